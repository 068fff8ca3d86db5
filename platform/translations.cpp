#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {

void install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString installTranslations(const QString& program)
{
    const QLocale locale = QLocale::system();
    // The first of the desktop's languages that is English (or C) ends the
    // search: its texts are the ones written in the code.
    auto* own = new QTranslator(QCoreApplication::instance());
    for (const QString& language : locale.uiLanguages()) {
        const QString code = QLocale(language).name();
        if (code == QLatin1String("C") || code.startsWith(QLatin1String("en")))
            break;
        if (own->load(QLocale(language), program, QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(own);
            // The shared layer's texts (card names, the help window) and the
            // toolkit's own dialogs, in the same language where they have it.
            install(QLocale(language), QStringLiteral("platform"), QStringLiteral(":/i18n"));
            install(QLocale(language), QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return own->language();
        }
    }
    delete own;
    return {};
}

} // namespace platform
