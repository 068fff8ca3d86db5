#include "platform/profile.h"

#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <optional>
#include <vector>

namespace platform {

namespace {

// The file is handled as raw lines so that every line we do not change is
// written back byte for byte, whatever its encoding or line ending.
template <class Line>
QList<Line> splitLines(const QByteArray& data)
{
    QList<Line> lines;
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
    bool operator==(const Parsed&) const = default;
};

Parsed parseLine(const QByteArray& line, bool firstLine)
{
    QByteArrayView text = line;
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

ProfileFile ProfileFile::load(const QString& filePath)
{
    // One byte past the limit shows a file too large to take whole.
    const FileBytes file = readRegularFile(filePath, MaxBytes + 1);
    if (file.Status == FileStatus::Read && file.Bytes.size() <= MaxBytes)
        return fromBytes(file.Bytes);
    ProfileFile profile;
    profile.replaceable_ = file.Status == FileStatus::Missing;
    return profile;
}

ProfileFile ProfileFile::fromBytes(const QByteArray& bytes)
{
    ProfileFile profile;
    profile.lines_ = splitLines<Line>(bytes);
    return profile;
}

QString ProfileFile::value(const QString& section, const QString& key, const QString& defaultValue,
                           int bufferChars) const
{
    const auto fitted = [bufferChars](const QString& text) {
        return bufferChars <= 0 ? QString() : text.left(bufferChars - 1);
    };
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const Parsed parsed = parseLine(lines_[i].text, i == 0);
        if (parsed.section) {
            inSection = sameName(*parsed.section, section);
            continue;
        }
        if (inSection && parsed.key && sameName(*parsed.key, key))
            return fitted(QString::fromUtf8(parsed.value));
    }
    return fitted(defaultValue);
}

QHash<QString, QString> ProfileFile::values(const QString& section) const
{
    QHash<QString, QString> found;
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const Parsed parsed = parseLine(lines_[i].text, i == 0);
        if (parsed.section)
            inSection = sameName(*parsed.section, section);
        else if (inSection && parsed.key) {
            const QString key = QString::fromUtf8(*parsed.key).toCaseFolded();
            if (!found.contains(key)) // the first of a key written twice
                found.insert(key, QString::fromUtf8(parsed.value));
        }
    }
    return found;
}

bool ProfileFile::setValue(const QString& section, const QString& key, const QString& value)
{
    if (!writable(section, key, value))
        return false;
    // New lines use the file's own line ending.
    QByteArray ending = "\n";
    for (const Line& line : lines_) {
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
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const Parsed parsed = parseLine(lines_[i].text, i == 0);
        if (parsed.section) {
            if (sectionLine >= 0)
                break;
            if (sameName(*parsed.section, section))
                sectionLine = lastContent = i;
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (!trimmedBlanks(lines_[i].text).isEmpty())
            lastContent = i;
        if (parsed.key && sameName(*parsed.key, key)) {
            keyLine = i;
            keyText = *parsed.key;
            break;
        }
    }

    const auto terminateLast = [&] {
        if (!lines_.isEmpty() && lines_.last().ending.isEmpty())
            lines_.last().ending = ending;
    };
    if (keyLine >= 0) {
        // The key keeps its spelling in the file; only the value changes.
        lines_[keyLine].text = keyText + '=' + newValue;
    } else if (sectionLine >= 0) {
        if (lastContent == lines_.size() - 1)
            terminateLast();
        lines_.insert(lastContent + 1, {key.trimmed().toUtf8() + '=' + newValue, ending});
    } else {
        terminateLast();
        if (!lines_.isEmpty() && !trimmedBlanks(lines_.last().text).isEmpty())
            lines_.append({{}, ending});
        lines_.append({'[' + section.trimmed().toUtf8() + ']', ending});
        lines_.append({key.trimmed().toUtf8() + '=' + newValue, ending});
    }
    return true;
}

QByteArray ProfileFile::bytes() const
{
    QByteArray data;
    for (const Line& line : lines_)
        data += line.text + line.ending;
    return data;
}

std::optional<QByteArray> ProfileFile::bytesToSave() const
{
    const QByteArray whole = bytes();
    qsizetype excess = whole.size() - MaxBytes;
    if (excess <= 0)
        return whole;
    // Lines the reader skips are dropped, the blank ones first, until the
    // rest fits: a file we write is one we read again.
    std::vector<bool> kept(std::size_t(lines_.size()), true);
    const auto size = [&](qsizetype i) { return lines_[i].text.size() + lines_[i].ending.size(); };
    for (const bool blanksOnly : {true, false}) {
        for (qsizetype i = 0; excess > 0 && i < lines_.size(); ++i) {
            if (!kept[std::size_t(i)])
                continue;
            const Parsed parsed = parseLine(lines_[i].text, i == 0);
            if (parsed.section || parsed.key)
                continue;
            QByteArrayView text = lines_[i].text;
            if (i == 0 && text.startsWith("\xEF\xBB\xBF"))
                text = text.sliced(3);
            if (blanksOnly && !trimmedBlanks(text).isEmpty())
                continue;
            kept[std::size_t(i)] = false;
            excess -= size(i);
        }
    }
    // A byte order mark counts only on the first line: a line that would
    // become first and read differently there keeps the old first line.
    qsizetype first = 0;
    while (first < lines_.size() && !kept[std::size_t(first)])
        ++first;
    if (first > 0 && first < lines_.size()
        && parseLine(lines_[first].text, true) != parseLine(lines_[first].text, false)) {
        kept[0] = true;
        excess += size(0);
    }
    if (excess > 0)
        return std::nullopt;
    QByteArray data;
    data.reserve(MaxBytes);
    for (qsizetype i = 0; i < lines_.size(); ++i)
        if (kept[std::size_t(i)])
            data += lines_[i].text + lines_[i].ending;
    return data;
}

bool ProfileFile::save(const QString& filePath) const
{
    if (!replaceable_)
        return false;
    const std::optional<QByteArray> data = bytesToSave();
    return data && QDir().mkpath(QFileInfo(filePath).absolutePath()) && writeFileWhole(filePath, *data);
}

QString readProfileString(const QString& filePath, const QString& section, const QString& key,
                          const QString& defaultValue, int bufferChars)
{
    return ProfileFile::load(filePath).value(section, key, defaultValue, bufferChars);
}

bool writeProfileString(const QString& filePath, const QString& section, const QString& key,
                        const QString& value)
{
    ProfileFile profile = ProfileFile::load(filePath);
    return profile.setValue(section, key, value) && profile.save(filePath);
}

} // namespace platform
