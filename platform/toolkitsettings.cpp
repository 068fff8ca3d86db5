#include "platform/toolkitsettings.h"

#include <QSettings>

namespace platform {

void keepToolkitSettingsUnwritten()
{
    static const bool done = [] {
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/no-toolkit-settings"));
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace platform
