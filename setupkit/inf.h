#pragma once
// The distribution's description file: "[Section]" lines, each followed by
// the plain names of the files that belong to it. Blank lines and lines
// starting with ';' are ignored.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace setupkit {

struct Inf {
    // Section names compare without regard to letter case, as written in
    // hand-edited files they often differ.
    std::map<QString, QStringList> sections;

    const QStringList* section(const QString& name) const;
};

// A file of at most this size is read; anything larger is not a description.
inline constexpr qint64 maxInfBytes = 64 * 1024;

// Nullopt when a line is neither blank, comment, section nor entry, or an
// entry comes before any section.
std::optional<Inf> parseInf(const QByteArray& text);

// Reads `path` only when it is a regular file of at most maxInfBytes, so a
// pipe or a device never blocks the start.
std::optional<Inf> readInf(const QString& path);

// A name that stays inside its folder: not empty, no '/', not "." or "..",
// no control characters.
bool isPlainFileName(const QString& name);

} // namespace setupkit
