#pragma once
// The player's language: a program's own translation (embedded as
// ":/i18n/<program>_<language>.qm") and the toolkit's for its standard
// dialogs, for the first of the desktop's languages that has one. English,
// the language the texts are written in, needs nothing loaded.
#include <QString>

namespace platform {

// Installs both translators on the running application; returns the language
// whose program translation was loaded ("de"), empty when the texts stay
// English. A missing or unreadable translation is passed over without a word.
QString installTranslations(const QString& program);

} // namespace platform
