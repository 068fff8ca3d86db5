#pragma once
// Reading and writing whole files without ever hanging on what stands at a
// path: settings, configuration and saved games all go through these two.
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// The bytes of `path` when it names a regular file (a symlink is followed) of
// at most `maxBytes`, read once. Anything else gives nullopt: a missing file,
// a folder, a pipe, a socket or a device (never opened in a way that can
// block), a file larger than `maxBytes`, or a failed read.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

// Replaces the file at `path` with `data`, whole or not at all: the bytes go
// to a new file beside it that is then renamed over it, so a full disk or a
// crash leaves the old file as it was. A symlink is written through to its
// target (the link stays a link). When the folder cannot take a new file but
// the file itself is writable, the file is rewritten in place instead.
// An existing file keeps its permissions; a new one gets 0644 under the
// umask, and missing folders on its way are made. Anything that exists and
// is not a regular file (a folder, a pipe, a device) is never written.
// False when nothing was written.
bool writeFileWhole(const QString& path, const QByteArray& data);

} // namespace platform
