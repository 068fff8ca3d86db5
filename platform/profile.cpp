#include "platform/profile.h"

#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

namespace {

// The file is handled as raw lines so that every line we do not change is
// written back byte for byte, whatever its encoding or line ending. Each line
// is a view into `data`, which must outlive it (and never change), rather
// than one more allocation a line; a line changed gets bytes of its own.
template <class Line>
QList<Line> splitLines(const QByteArray& data)
{
    QList<Line> lines;
    lines.reserve(data.count('\n') + 1);
    const char* const bytes = data.constData();
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        if (newline < 0) {
            lines.append({QByteArray::fromRawData(bytes + start, data.size() - start), {}});
            break;
        }
        // Shared, for the same reason.
        static const QByteArray lf = QByteArrayLiteral("\n");
        static const QByteArray crlf = QByteArrayLiteral("\r\n");
        qsizetype end = newline;
        const bool cr = end > start && bytes[end - 1] == '\r';
        if (cr)
            --end;
        lines.append({QByteArray::fromRawData(bytes + start, end - start), cr ? crlf : lf});
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

// UTF-8 decoded as QString::fromUtf8 decodes it, into `buffer` rather than
// a new string: UTF-8 never takes fewer bytes than UTF-16 takes units.
using Utf16Buffer = QVarLengthArray<QChar, 64>;
QStringView decodedUtf8(QByteArrayView utf8, Utf16Buffer& buffer)
{
    buffer.resize(utf8.size());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QChar* end = decoder.appendToBuffer(buffer.data(), utf8);
    return QStringView(buffer.data(), end - buffer.data());
}

// Compares names of the file with one name, looked at once rather than at
// each line it is compared with.
class SameName {
public:
    explicit SameName(const QString& name) : name_(name), ascii_(QtPrivate::isAscii(QStringView(name))) {}
    bool operator()(QByteArrayView utf8) const
    {
        // UTF-8 never takes fewer bytes than UTF-16 takes units, and folding
        // the case keeps each unit one: a name of fewer bytes is another.
        if (utf8.size() < name_.size())
            return false;
        // Names are nearly always ASCII, where folding the case is folding
        // A-Z: compared so, with no conversion for each line of the file.
        if (ascii_ && isAscii(utf8))
            return utf8.size() == name_.size() && name_.compare(QLatin1StringView(utf8), Qt::CaseInsensitive) == 0;
        // Anything else is decoded onto the stack: one comparison, no
        // allocation.
        Utf16Buffer buffer;
        const QStringView decoded = decodedUtf8(utf8, buffer);
        return decoded.size() == name_.size() && decoded.compare(name_, Qt::CaseInsensitive) == 0;
    }

private:
    const QString& name_;
    bool ascii_;
};

// Sets of name lengths as bits, for passing over at once the names that
// cannot be the one asked for (any length from 63 on shares the last bit).
std::uint64_t lengthBit(qsizetype size)
{
    return std::uint64_t(1) << std::min<qsizetype>(size, 63);
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

// The parts of what describe kept, for the loops over every line.
template <class Line>
bool isSection(const Line& line)
{
    return line.sectionSize >= 0;
}
template <class Line>
bool isKey(const Line& line)
{
    return line.keySize >= 0;
}
template <class Line>
QByteArrayView sectionOf(const Line& line)
{
    return QByteArrayView(line.text.constData() + line.sectionAt, line.sectionSize);
}
template <class Line>
QByteArrayView keyOf(const Line& line)
{
    return QByteArrayView(line.text.constData() + line.keyAt, line.keySize);
}
template <class Line>
QByteArrayView valueOf(const Line& line)
{
    return QByteArrayView(line.text.constData() + line.valueAt, line.valueSize);
}

// Calls `visit` with each key line of the sections named `section`, in the
// file's order, until it returns true.
template <class Line, class Visit>
void forEachKeyIn(const QList<Line>& lines, const QString& section, Visit visit)
{
    const SameName inSectionNamed(section);
    bool inSection = false;
    for (const Line& line : lines) {
        if (isSection(line))
            inSection = inSectionNamed(sectionOf(line));
        else if (inSection && isKey(line) && visit(line))
            return;
    }
}

// Appends text as UTF-8: ASCII (nearly every name and value) with no
// temporary copy.
void appendUtf8(QByteArray& out, QByteArrayView utf8)
{
    out += utf8;
}
void appendUtf8(QByteArray& out, QStringView text)
{
    if (!QtPrivate::isAscii(text)) {
        out += text.toUtf8();
        return;
    }
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char* to = out.data() + at;
    for (const QChar c : text)
        *to++ = char(c.unicode());
}

// "key=value", made in one allocation when both are ASCII or UTF-8 already.
template <class Key, class Value>
QByteArray keyValueLine(Key key, Value value)
{
    QByteArray line;
    line.reserve(key.size() + 1 + value.size());
    appendUtf8(line, key);
    line += '=';
    appendUtf8(line, value);
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
    // A copy of our own, which the lines point into: `bytes` may itself be
    // a view of someone else's.
    profile.source_ = QByteArray(bytes.constData(), bytes.size());
    profile.lines_ = splitLines<Line>(profile.source_);
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
    const SameName isKeyNamed(key);
    std::optional<QString> found;
    forEachKeyIn(lines_, section, [&](const Line& line) {
        if (isKeyNamed(keyOf(line)))
            found = QString::fromUtf8(valueOf(line));
        return found.has_value();
    });
    return fitted(found ? *found : defaultValue);
}

QHash<QString, QString> ProfileFile::values(const QString& section) const
{
    QHash<QString, QString> found;
    forEachKeyIn(lines_, section, [&](const Line& line) {
        const QByteArrayView utf8 = keyOf(line);
        QString key = QString::fromUtf8(utf8);
        // Folding ASCII is lowering A-Z: done in place, with no copy.
        if (isAscii(utf8)) {
            for (QChar& c : key)
                if (c >= u'A' && c <= u'Z')
                    c = QChar(c.unicode() + 32);
        } else {
            key = key.toCaseFolded();
        }
        if (!found.contains(key)) // the first of a key written twice
            found.insert(key, QString::fromUtf8(valueOf(line)));
        return false;
    });
    return found;
}

std::vector<std::optional<QByteArrayView>> ProfileFile::utf8Values(const QString& section,
                                                                   std::span<const QString> foldedKeys) const
{
    std::vector<std::optional<QByteArrayView>> found(foldedKeys.size());
    // A line whose key has none of the lengths asked for is passed over
    // before it is folded or compared.
    std::uint64_t lengths = 0;
    for (const QString& key : foldedKeys)
        lengths |= lengthBit(key.size());
    // Keys not in ASCII are folded in this one string, reused: after the
    // first, a key folded in place needs no allocation of its own.
    QString folded;
    forEachKeyIn(lines_, section, [&](const Line& line) {
        // The key as values() folds it: ASCII by lowering A-Z, here into a
        // buffer on the stack; anything else folded whole.
        const QByteArrayView utf8 = keyOf(line);
        const bool ascii = isAscii(utf8);
        if (ascii && !(lengths & lengthBit(utf8.size())))
            return false;
        QVarLengthArray<char, 32> lowered;
        if (ascii) {
            lowered.resize(utf8.size());
            const char* from = utf8.data();
            for (char& c : lowered) {
                c = *from++;
                if (c >= 'A' && c <= 'Z')
                    c = char(c + 32);
            }
        } else {
            Utf16Buffer buffer;
            const QStringView decoded = decodedUtf8(utf8, buffer);
            folded.setUnicode(decoded.data(), decoded.size());
            folded = std::move(folded).toCaseFolded();
        }
        const QLatin1StringView asciiFolded(lowered.constData(), lowered.size());
        for (std::size_t k = 0; k < foldedKeys.size(); ++k)
            if (!found[k] && (ascii ? asciiFolded == foldedKeys[k] : folded == foldedKeys[k])) {
                // the first of a key written twice
                found[k] = valueOf(line);
                break;
            }
        return false;
    });
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
    const SameName isSectionNamed(section);
    // Only key lines that may be one of the keys set are kept: an ASCII
    // name of another length is none of them.
    std::uint64_t lengths = 0;
    for (const auto& pair : values)
        lengths |= lengthBit(pair.first.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (isSection(line)) {
            if (sectionLine >= 0)
                break;
            if (isSectionNamed(sectionOf(line)))
                sectionLine = lastContent = i;
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (!trimmedBlanks(line.text).isEmpty())
            lastContent = i;
        if (isKey(line) && ((lengths & lengthBit(line.keySize)) || !isAscii(keyOf(line))))
            keyLines.push_back(i);
    }

    // A key already there keeps its spelling in the file; only the value
    // changes. New keys are made in order, and go in together after the
    // section's last line with content.
    const QByteArray ending = lineEnding();
    QList<Line> added;
    added.reserve(values.size());
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
        const QStringView newValue = QStringView(value).trimmed();
        const SameName isKeyNamed(key);
        Line* found = nullptr;
        for (const qsizetype i : keyLines)
            if (isKeyNamed(keyOf(lines[i]))) {
                found = &lines_[i];
                break;
            }
        for (qsizetype a = 0; !found && a < added.size(); ++a)
            if (isKeyNamed(keyOf(std::as_const(added)[a])))
                found = &added[a];
        if (found) {
            found->text = keyValueLine(keyOf(*found), newValue);
            describe(*found, false); // a key line follows its section's: never the first
        } else {
            added.append(made(keyValueLine(QStringView(key).trimmed(), newValue)));
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
