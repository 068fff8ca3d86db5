#include "platform/profile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <optional>

namespace platform {

namespace {

// The file is handled as raw lines so that every line we do not change is
// written back byte for byte, whatever its encoding or line ending.
struct IniLine {
    QByteArray text;   // without its line ending
    QByteArray ending; // "\n", "\r\n" or empty for a last line without one
};

QList<IniLine> splitLines(const QByteArray& data)
{
    QList<IniLine> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        if (newline < 0) {
            lines.append({data.mid(start), {}});
            break;
        }
        qsizetype end = newline;
        QByteArray ending = "\n";
        if (end > start && data.at(end - 1) == '\r') {
            --end;
            ending = "\r\n";
        }
        lines.append({data.mid(start, end - start), ending});
        start = newline + 1;
    }
    return lines;
}

QByteArray trimmedBlanks(QByteArrayView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t'))
        --last;
    return text.sliced(first, last - first).toByteArray();
}

bool sameName(const QByteArray& utf8, const QString& name)
{
    return QString::fromUtf8(utf8).compare(name, Qt::CaseInsensitive) == 0;
}

// What a line is: a section header gives its name, a "key=value" line its key
// and value; comments, blank lines and anything else give neither.
struct Parsed {
    std::optional<QByteArray> section;
    std::optional<QByteArray> key;
    QByteArray value;
};

Parsed parseLine(const IniLine& line, bool firstLine)
{
    QByteArrayView text = line.text;
    if (firstLine && text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    const QByteArray trimmed = trimmedBlanks(text);
    Parsed parsed;
    if (trimmed.startsWith(';'))
        return parsed;
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close > 0)
            parsed.section = trimmedBlanks(QByteArrayView(trimmed).sliced(1, close - 1));
        return parsed;
    }
    const qsizetype equals = trimmed.indexOf('=');
    if (equals < 0)
        return parsed;
    parsed.key = trimmedBlanks(QByteArrayView(trimmed).first(equals));
    parsed.value = trimmedBlanks(QByteArrayView(trimmed).sliced(equals + 1));
    return parsed;
}

// A name or value with a line break (or a section name with a bracket, a key
// with '=') would be written as something else, or as extra lines, and read
// back differently: such writes are refused.
bool writable(const QString& section, const QString& key, const QString& value)
{
    const auto breaks = [](const QString& text) {
        return text.contains(u'\n') || text.contains(u'\r');
    };
    if (section.trimmed().isEmpty() || key.trimmed().isEmpty())
        return false;
    if (breaks(section) || breaks(key) || breaks(value))
        return false;
    if (section.contains(u']') || key.contains(u'=') || key.trimmed().startsWith(u';')
        || key.trimmed().startsWith(u'['))
        return false;
    return true;
}

} // namespace

QString profilePath(const QString& fileName)
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative value is to be ignored, as the base directory rules say.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + u'/' + fileName;
}

QString readProfileString(const QString& filePath, const QString& section, const QString& key,
                          const QString& defaultValue, int bufferChars)
{
    const auto fitted = [bufferChars](const QString& text) {
        return bufferChars <= 0 ? QString() : text.left(bufferChars - 1);
    };
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return fitted(defaultValue);
    const QList<IniLine> lines = splitLines(file.readAll());
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed parsed = parseLine(lines[i], i == 0);
        if (parsed.section) {
            inSection = sameName(*parsed.section, section);
            continue;
        }
        if (inSection && parsed.key && sameName(*parsed.key, key))
            return fitted(QString::fromUtf8(parsed.value));
    }
    return fitted(defaultValue);
}

bool writeProfileString(const QString& filePath, const QString& section, const QString& key,
                        const QString& value)
{
    if (!writable(section, key, value))
        return false;

    QByteArray old;
    {
        QFile file(filePath);
        if (file.exists()) {
            if (!file.open(QIODevice::ReadOnly))
                return false; // never replace a file we could not read
            old = file.readAll();
        }
    }
    QList<IniLine> lines = splitLines(old);
    // New lines use the file's own line ending.
    QByteArray ending = "\n";
    for (const IniLine& line : lines) {
        if (!line.ending.isEmpty()) {
            ending = line.ending;
            break;
        }
    }
    const QByteArray newValue = value.trimmed().toUtf8();

    // Find the first section of that name, its key, and its last non-blank line.
    qsizetype sectionLine = -1;
    qsizetype lastContent = -1;
    qsizetype keyLine = -1;
    QByteArray keyText;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed parsed = parseLine(lines[i], i == 0);
        if (parsed.section) {
            if (sectionLine >= 0)
                break;
            if (sameName(*parsed.section, section))
                sectionLine = lastContent = i;
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (!trimmedBlanks(lines[i].text).isEmpty())
            lastContent = i;
        if (parsed.key && sameName(*parsed.key, key)) {
            keyLine = i;
            keyText = *parsed.key;
            break;
        }
    }

    const auto terminateLast = [&] {
        if (!lines.isEmpty() && lines.last().ending.isEmpty())
            lines.last().ending = ending;
    };
    if (keyLine >= 0) {
        // The key keeps its spelling in the file; only the value changes.
        lines[keyLine].text = keyText + '=' + newValue;
    } else if (sectionLine >= 0) {
        if (lastContent == lines.size() - 1)
            terminateLast();
        lines.insert(lastContent + 1, {key.trimmed().toUtf8() + '=' + newValue, ending});
    } else {
        terminateLast();
        if (!lines.isEmpty() && !trimmedBlanks(lines.last().text).isEmpty())
            lines.append({{}, ending});
        lines.append({'[' + section.trimmed().toUtf8() + ']', ending});
        lines.append({key.trimmed().toUtf8() + '=' + newValue, ending});
    }

    QByteArray data;
    data.reserve(old.size() + key.size() + value.size() + section.size() + 8);
    for (const IniLine& line : lines)
        data += line.text + line.ending;

    const QFileInfo info(filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    // Written beside the old file and renamed over it: a crash or a full disk
    // leaves the old file as it was.
    // Unbuffered, so a short write (a full disk) shows in write()'s count: a
    // buffered QSaveFile can commit the part that fitted and report success.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
