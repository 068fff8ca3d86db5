#include "tollmere/resources/icon.h"

namespace tollmere_resources {

QString windowIconPath() { return QStringLiteral(":/tollmere/icons/tollmere.png"); }

} // namespace tollmere_resources
