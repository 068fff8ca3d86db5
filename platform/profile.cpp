#include "platform/profile.h"

#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

namespace {

// The file is handled as raw lines so that every line we do not change is
// written back byte for byte, whatever its encoding or line ending.
template <class Line>
QList<Line> splitLines(const QByteArray& data)
{
    QList<Line> lines;
    lines.reserve(data.count('\n') + 1);
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        if (newline < 0) {
            lines.append({data.mid(start), {}});
            break;
        }
        // Shared, so that a file of many short lines is not one more
        // allocation a line.
        static const QByteArray lf = QByteArrayLiteral("\n");
        static const QByteArray crlf = QByteArrayLiteral("\r\n");
        qsizetype end = newline;
        const bool cr = end > start && data.at(end - 1) == '\r';
        if (cr)
            --end;
        lines.append({data.mid(start, end - start), cr ? crlf : lf});
        start = newline + 1;
    }
    return lines;
}

QByteArrayView trimmedBlanks(QByteArrayView text)
{
    const char* data = text.data();
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && (data[first] == ' ' || data[first] == '\t'))
        ++first;
    while (last > first && (data[last - 1] == ' ' || data[last - 1] == '\t'))
        --last;
    return text.sliced(first, last - first);
}

// Whether UTF-8 text is ASCII, where it reads as Latin-1 does.
bool isAscii(QByteArrayView utf8)
{
    return QtPrivate::isAscii(QLatin1StringView(utf8));
}

bool sameName(QByteArrayView utf8, const QString& name)
{
    // Names are nearly always ASCII, where folding the case is folding A-Z:
    // compared so, with no conversion for each line of the file.
    if (isAscii(utf8) && QtPrivate::isAscii(QStringView(name)))
        return utf8.size() == name.size() && name.compare(QLatin1StringView(utf8), Qt::CaseInsensitive) == 0;
    return QString::fromUtf8(utf8).compare(name, Qt::CaseInsensitive) == 0;
}

// What a line is: a section header gives its name, a "key=value" line its key
// and value; comments, blank lines and anything else give neither. They are
// views into the line, which must outlive them: nothing is copied.
struct Parsed {
    std::optional<QByteArrayView> section;
    std::optional<QByteArrayView> key;
    QByteArrayView value;
    bool operator==(const Parsed&) const = default;
};

Parsed parseLine(QByteArrayView text, bool firstLine)
{
    if (firstLine && text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    const QByteArrayView trimmed = trimmedBlanks(text);
    Parsed parsed;
    if (trimmed.startsWith(';'))
        return parsed;
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close > 0)
            parsed.section = trimmedBlanks(trimmed.sliced(1, close - 1));
        return parsed;
    }
    const qsizetype equals = trimmed.indexOf('=');
    if (equals < 0)
        return parsed;
    parsed.key = trimmedBlanks(trimmed.first(equals));
    parsed.value = trimmedBlanks(trimmed.sliced(equals + 1));
    return parsed;
}

// Keeps in `line` what parseLine finds in it.
template <class Line>
void describe(Line& line, bool firstLine)
{
    const Parsed parsed = parseLine(line.text, firstLine);
    const auto at = [&](QByteArrayView part) { return part.data() - line.text.constData(); };
    line.sectionSize = line.keySize = -1;
    if (parsed.section) {
        line.sectionAt = at(*parsed.section);
        line.sectionSize = parsed.section->size();
    }
    if (parsed.key) {
        line.keyAt = at(*parsed.key);
        line.keySize = parsed.key->size();
        line.valueAt = at(parsed.value);
        line.valueSize = parsed.value.size();
    }
}

// What describe kept, as parseLine gives it.
template <class Line>
Parsed parsedOf(const Line& line)
{
    const QByteArrayView text = line.text;
    Parsed parsed;
    if (line.sectionSize >= 0)
        parsed.section = text.sliced(line.sectionAt, line.sectionSize);
    if (line.keySize >= 0) {
        parsed.key = text.sliced(line.keyAt, line.keySize);
        parsed.value = text.sliced(line.valueAt, line.valueSize);
    }
    return parsed;
}

// "key=value", made in one allocation.
QByteArray keyValueLine(QByteArrayView key, QByteArrayView value)
{
    QByteArray line;
    line.reserve(key.size() + 1 + value.size());
    line += key;
    line += '=';
    line += value;
    return line;
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
    static_assert(QTypeInfo<Line>::isRelocatable);
    ProfileFile profile;
    profile.lines_ = splitLines<Line>(bytes);
    for (qsizetype i = 0; i < profile.lines_.size(); ++i)
        describe(profile.lines_[i], i == 0);
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
        const Parsed parsed = parsedOf(lines_[i]);
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
        const Parsed parsed = parsedOf(lines_[i]);
        if (parsed.section)
            inSection = sameName(*parsed.section, section);
        else if (inSection && parsed.key) {
            QString key = QString::fromUtf8(*parsed.key);
            // Folding ASCII is lowering A-Z: done in place, with no copy.
            if (isAscii(*parsed.key)) {
                for (QChar& c : key)
                    if (c >= u'A' && c <= u'Z')
                        c = QChar(c.unicode() + 32);
            } else {
                key = key.toCaseFolded();
            }
            if (!found.contains(key)) // the first of a key written twice
                found.insert(key, QString::fromUtf8(parsed.value));
        }
    }
    return found;
}

bool ProfileFile::setValue(const QString& section, const QString& key, const QString& value)
{
    return setValues(section, {{key, value}});
}

QByteArray ProfileFile::lineEnding() const
{
    // New lines use the file's own line ending.
    for (const Line& line : lines_)
        if (!line.ending.isEmpty())
            return line.ending;
    return QByteArrayLiteral("\n");
}

bool ProfileFile::setValues(const QString& section, const QList<std::pair<QString, QString>>& values)
{
    // The first section of that name: where it starts, its key lines and its
    // last non-blank line, found in one pass for all the keys.
    const QList<Line>& lines = lines_; // a const view: no check for sharing at each line
    qsizetype sectionLine = -1;
    qsizetype lastContent = -1;
    std::vector<qsizetype> keyLines;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed parsed = parsedOf(lines[i]);
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
        if (parsed.key)
            keyLines.push_back(i);
    }

    // A key already there keeps its spelling in the file; only the value
    // changes. New keys are made in order, and go in together after the
    // section's last line with content.
    const QByteArray ending = lineEnding();
    QList<Line> added;
    const auto keyOf = [](const Line& line) { return *parsedOf(line).key; };
    const auto made = [&](QByteArray text) {
        Line line{std::move(text), ending};
        describe(line, false); // never the first line, or one that reads the same there
        return line;
    };
    bool ok = true;
    for (const auto& [key, value] : values) {
        if (!writable(section, key, value)) {
            ok = false;
            break;
        }
        const QByteArray newValue = value.trimmed().toUtf8();
        Line* found = nullptr;
        for (const qsizetype i : keyLines)
            if (sameName(keyOf(lines[i]), key)) {
                found = &lines_[i];
                break;
            }
        for (qsizetype a = 0; !found && a < added.size(); ++a)
            if (sameName(keyOf(std::as_const(added)[a]), key))
                found = &added[a];
        if (found) {
            found->text = keyValueLine(keyOf(*found), newValue);
            describe(*found, false); // a key line follows its section's: never the first
        } else {
            added.append(made(keyValueLine(key.trimmed().toUtf8(), newValue)));
        }
    }
    if (added.isEmpty())
        return ok;

    const auto terminateLast = [&] {
        if (!lines_.isEmpty() && lines_.last().ending.isEmpty())
            lines_.last().ending = ending;
    };
    if (sectionLine < 0) {
        // A new section goes at the end, after a blank line.
        terminateLast();
        if (!lines_.isEmpty() && !trimmedBlanks(lines_.last().text).isEmpty())
            lines_.append(made({}));
        lines_.append(made('[' + section.trimmed().toUtf8() + ']'));
        lastContent = lines_.size() - 1;
    } else if (lastContent == lines_.size() - 1) {
        terminateLast();
    }
    lines_.insert(lastContent + 1, added.size(), Line{});
    std::move(added.begin(), added.end(), lines_.begin() + lastContent + 1);
    return ok;
}

QByteArray ProfileFile::bytes() const
{
    qsizetype size = 0;
    for (const Line& line : lines_)
        size += line.text.size() + line.ending.size();
    QByteArray data;
    data.reserve(size);
    for (const Line& line : lines_) {
        data += line.text;
        data += line.ending;
    }
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
            const Parsed parsed = parsedOf(lines_[i]);
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
        if (kept[std::size_t(i)]) {
            data += lines_[i].text;
            data += lines_[i].ending;
        }
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
