#include "progmenu.h"

#include "safefile.h"

#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace setupkit {

namespace {

QString firstOf(const char* listVariable, const QString& fallback)
{
    const QString list = qEnvironmentVariable(listVariable);
    for (const QString& dir : list.split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir))
            return dir;
    }
    return fallback;
}

QString userDir(const char* variable, const char* underHome)
{
    const QString dir = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(dir) ? dir : QDir::homePath() + QLatin1String(underHome);
}

} // namespace

MenuPlaces menuPlaces(bool everyone)
{
    const QString data = everyone ? firstOf("XDG_DATA_DIRS", QStringLiteral("/usr/local/share"))
                                  : userDir("XDG_DATA_HOME", "/.local/share");
    const QString config = everyone ? firstOf("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"))
                                    : userDir("XDG_CONFIG_HOME", "/.config");
    return {data + QStringLiteral("/applications"), data + QStringLiteral("/desktop-directories"),
            config + QStringLiteral("/menus/applications-merged")};
}

QString entryBaseName(const QString& group, const QString& item)
{
    static const QRegularExpression others(QStringLiteral("[^a-z0-9]+"));
    QString name = (group + u' ' + item).toLower().replace(others, QStringLiteral("-"));
    while (name.endsWith(u'-'))
        name.chop(1);
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    return name;
}

QString quoteExecArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    return quoted + u'"';
}

QString escapeEntryValue(const QString& value)
{
    QString escaped;
    for (QChar c : value) {
        switch (c.unicode()) {
        case '\\': escaped += QStringLiteral("\\\\"); break;
        case '\n': escaped += QStringLiteral("\\n"); break;
        case '\t': escaped += QStringLiteral("\\t"); break;
        case '\r': escaped += QStringLiteral("\\r"); break;
        default: escaped += c;
        }
    }
    if (escaped.startsWith(u' '))
        escaped.replace(0, 1, QStringLiteral("\\s"));
    return escaped;
}

QByteArray launcherEntry(const QString& name, const QString& target, bool targetIsProgram,
                         const QString& icon)
{
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\n").arg(escapeEntryValue(name));
    if (targetIsProgram) {
        // Some launchers look the program up before they undo "%%", so a
        // path holding a '%' cannot come first. The shell then starts it as
        // its $0, taken whole whatever it holds (env would take a word with
        // a '=' for a variable).
        const QString command = target.contains(u'%')
                                    ? QStringLiteral(R"(/bin/sh -c "exec \"\$0\"" )") + quoteExecArgument(target)
                                    : quoteExecArgument(target);
        text += QStringLiteral("Exec=%1\nTryExec=%2\n").arg(escapeEntryValue(command), escapeEntryValue(target));
    } else {
        text += QStringLiteral("Exec=%1\n")
                    .arg(escapeEntryValue(QStringLiteral("xdg-open ") + quoteExecArgument(target)));
    }
    const QString shownIcon = !icon.isEmpty() ? icon
                              : targetIsProgram ? QStringLiteral("applications-games")
                                                : QStringLiteral("text-html");
    text += QStringLiteral("Icon=%1\nTerminal=false\n").arg(escapeEntryValue(shownIcon));
    return text.toUtf8();
}

QByteArray directoryEntry(const QString& name)
{
    return QStringLiteral("[Desktop Entry]\nType=Directory\nName=%1\nIcon=applications-games\n")
        .arg(escapeEntryValue(name))
        .toUtf8();
}

QByteArray menuFile(const QString& group, const QString& directoryFile, const QStringList& launchers)
{
    QString text = QStringLiteral(
        "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/menu-spec/menu-1.0.dtd\">\n"
        "<Menu>\n"
        "  <Name>Applications</Name>\n"
        "  <Menu>\n"
        "    <Name>%1</Name>\n"
        "    <Directory>%2</Directory>\n"
        "    <Include>\n")
                       .arg(group.toHtmlEscaped(), directoryFile.toHtmlEscaped());
    for (const QString& launcher : launchers)
        text += QStringLiteral("      <Filename>%1</Filename>\n").arg(launcher.toHtmlEscaped());
    text += QStringLiteral("    </Include>\n  </Menu>\n</Menu>\n");
    return text.toUtf8();
}

QStringList menuFileLaunchers(const QByteArray& menu)
{
    QStringList launchers;
    QXmlStreamReader xml(menu);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("Filename"))
            launchers.append(xml.readElementText());
    }
    return xml.hasError() ? QStringList{} : launchers;
}

bool writeFileWhole(const QString& path, const QByteArray& bytes)
{
    return replaceFileWhole(path, bytes, 0644);
}

} // namespace setupkit
