#pragma once
// Private profile (INI) files: sections of "key=value" lines.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace platform {

// An INI file held in memory: read once, asked and changed key by key, and
// written back once, every line we do not change kept byte for byte.
class ProfileFile {
public:
    // Files larger than this are taken as unreadable rather than read: far
    // beyond any settings file, and small enough that a file of empty lines
    // is read at start in a moment.
    static constexpr qint64 MaxBytes = 1024 * 1024;

    // The file's lines. A missing file, or anything that is not a regular
    // file of at most MaxBytes, starts empty.
    static ProfileFile load(const QString& filePath);
    // The lines of a file's bytes, as load reads them.
    static ProfileFile fromBytes(const QByteArray& bytes);

    // The value of `key` in `section`, or `defaultValue` when either is
    // missing; cut to bufferChars - 1 characters as a fixed buffer would.
    // Section and key names compare case-insensitively.
    QString value(const QString& section, const QString& key, const QString& defaultValue,
                  int bufferChars) const;
    // Sets `key` in `section`, creating either when missing. Refused (false)
    // when a name or value would be written as something else.
    // Every key of `section` with its value as value() gives it (uncut), in
    // one pass over the file; the keys case-folded.
    QHash<QString, QString> values(const QString& section) const;
    // For each of `foldedKeys` (case-folded, as values() gives keys) the
    // UTF-8 text of what values(section) holds for it, or none: with no
    // table of every key, and no copies. The views hold while the file is
    // not changed.
    std::vector<std::optional<QByteArrayView>> utf8Values(const QString& section,
                                                          std::span<const QString> foldedKeys) const;
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Each key of `values` set in `section` as setValue would one after
    // another, with one pass over the file rather than one a key. False at
    // the first refused; those before it are set.
    bool setValues(const QString& section, const QList<std::pair<QString, QString>>& values);
    QByteArray bytes() const;
    // What save writes: bytes(), or, when that is over MaxBytes and so would
    // never be read back, bytes() less as many lines the reader skips as it
    // takes to fit (blank lines first, then other lines that are neither
    // section nor key, from the top). Every section and key reads as before.
    // None when even that is too large.
    std::optional<QByteArray> bytesToSave() const;
    // Replaces the file whole (writeFileWhole) with bytesToSave(). Refused
    // when the file existed but could not be read (what we never read is
    // never overwritten), or when it would be too large to read back.
    bool save(const QString& filePath) const;

    // One line of the file as held; public only so that it can be declared
    // relocatable below.
    struct Line {
        QByteArray text;   // without its line ending; as read, a view into source_
        QByteArray ending; // "\n", "\r\n" or empty for a last line without one
        // What the reader sees in text, found once when the line is made
        // rather than at each look-up: where a section's name, or a key and
        // its value, lie (a size of -1 for none).
        qsizetype sectionAt = 0, sectionSize = -1;
        qsizetype keyAt = 0, keySize = -1;
        qsizetype valueAt = 0, valueSize = 0;
    };

private:
    // The line ending new lines get: the file's first, or "\n".
    QByteArray lineEnding() const;

    QByteArray source_; // the bytes read, which the lines not changed since point into
    QList<Line> lines_;
    bool replaceable_ = true;
};

// Where a program keeps its profile file: $XDG_CONFIG_HOME (default ~/.config)
// joined with the bare file name.
QString profilePath(const QString& fileName);

// One value of `filePath`, as ProfileFile::value.
QString readProfileString(const QString& filePath, const QString& section, const QString& key,
                          const QString& defaultValue, int bufferChars);

// Sets one value of `filePath` (ProfileFile load, setValue and save). A
// failure (full disk) leaves the old file whole. False on failure.
bool writeProfileString(const QString& filePath, const QString& section, const QString& key,
                        const QString& value);

} // namespace platform

// A line moves as its bytes do, so that inserting one moves the rest at once.
Q_DECLARE_TYPEINFO(platform::ProfileFile::Line, Q_RELOCATABLE_TYPE);
