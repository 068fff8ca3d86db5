#pragma once
// Reading and writing the small files the programs keep (settings, records,
// saved games) so that no file can hang a start and no write can leave a file
// half written.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace platform {

enum class FileStatus {
    Read,       // a regular file, read (up to the cap asked for)
    Missing,    // nothing at that name
    NotRegular, // a directory, pipe, device or the like: never read, never to be written
    Failed,     // there but unreadable (permissions, an I/O error)
};

struct FileBytes {
    FileStatus Status = FileStatus::Missing;
    QByteArray Bytes;
};

// The first `maxBytes` bytes of a regular file. Opening never blocks (a pipe
// or a device is refused before anything is read), so a hostile name cannot
// hang the caller; symlinks are followed.
FileBytes readRegularFile(const QString& path, qint64 maxBytes);

// Replaces the file with `bytes`, whole or not at all: written beside it and
// renamed over it, or, when its folder cannot take a new file, rewritten in
// place without being emptied first.
// A symlink is written through to its target; an existing file keeps its
// permissions. Refuses (false) a name that exists and is not a regular file.
bool writeFileWhole(const QString& path, QByteArrayView bytes);

// Where a program's own files (sounds, help) are looked for, in order: the
// folder of the executable, then, for a program in `<prefix>/games` as Debian
// lays out games, `<prefix>/share/games/<program>`.
QStringList programFileFolders(const QString& programDir, const QString& programName);
// The same for the running program; empty before the application exists.
QStringList programFileFolders();

// The first regular file named `fileName` in `folders` (an absolute name is
// taken as it stands); empty when there is none.
QString findFileIn(const QString& fileName, const QStringList& folders);

} // namespace platform
