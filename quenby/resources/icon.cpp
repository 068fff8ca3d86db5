#include "quenby/resources/icon.h"

namespace quenby_resources {

QString windowIconPath() { return QStringLiteral(":/quenby/icons/quenby.png"); }

} // namespace quenby_resources
