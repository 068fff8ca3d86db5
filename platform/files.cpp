#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileBytes readRegularFile(const QString& path, qint64 maxBytes)
{
    FileBytes result;
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: opening a pipe with no writer would otherwise wait for one.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.Status = (errno == ENOENT || errno == ENOTDIR) ? FileStatus::Missing : FileStatus::Failed;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.Status = FileStatus::Failed;
    } else if (!S_ISREG(info.st_mode)) {
        result.Status = FileStatus::NotRegular;
    } else {
        result.Status = FileStatus::Read;
        const qint64 wanted = std::max<qint64>(0, std::min<qint64>(maxBytes, info.st_size));
        result.Bytes.resize(wanted);
        qint64 got = 0;
        while (got < wanted) {
            const ssize_t n = ::read(fd, result.Bytes.data() + got, std::size_t(wanted - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result.Status = FileStatus::Failed;
                break;
            }
            if (n == 0)
                break; // the file shrank while we read it
            got += n;
        }
        result.Bytes.truncate(result.Status == FileStatus::Read ? got : 0);
    }
    ::close(fd);
    return result;
}

namespace {

// Writes all of `bytes` at offset 0 of `fd`.
bool writeAllAt(int fd, QByteArrayView bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, std::size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// For a file whose folder takes no new file. Truncating and then writing, as a
// plain rewrite does, leaves an empty file to a kill between the two; here the
// new bytes go in one write at offset 0 and the file is cut to their length
// after. A kill cannot split a write of a page or less, so a small file (every
// file of ours) is its old or its new version after any kill, unless the new
// one is shorter and the kill falls between the write and the cut.
bool rewriteInPlace(const QString& path, QByteArrayView bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool done = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // The room first: a full disk then fails before a byte of the old file changes.
    if (done && bytes.size() > info.st_size)
        done = ::posix_fallocate(fd, 0, off_t(bytes.size())) == 0;
    done = done && writeAllAt(fd, bytes) && ::fdatasync(fd) == 0 && ::ftruncate(fd, off_t(bytes.size())) == 0
        && ::fsync(fd) == 0;
    ::close(fd);
    return done;
}

} // namespace

bool writeFileWhole(const QString& path, QByteArrayView bytes)
{
    QFileInfo info(path);
    // Through a symlink to what it names, so the link stays a link.
    QString target = path;
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops) {
        target = info.symLinkTarget();
        info = QFileInfo(target);
    }
    if (info.exists() && !info.isFile())
        return false;
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    // Unbuffered, so a short write (a full disk) shows in write()'s count: a
    // buffered QSaveFile can commit the part that fitted and report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return info.exists() && rewriteInPlace(target, bytes);
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList programFileFolders(const QString& programDir, const QString& programName)
{
    QStringList folders{programDir};
    // The program's architecture-independent files live apart from it there.
    const QDir dir(programDir);
    if (dir.dirName() == u"games" && !programName.isEmpty())
        folders << QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../share/games/") + programName));
    return folders;
}

QStringList programFileFolders()
{
    if (!QCoreApplication::instance())
        return {};
    return programFileFolders(QCoreApplication::applicationDirPath(),
                              QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

QString findFileIn(const QString& fileName, const QStringList& folders)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo asGiven(fileName);
    if (asGiven.isAbsolute())
        return asGiven.isFile() ? asGiven.absoluteFilePath() : QString();
    for (const QString& dir : folders) {
        const QFileInfo candidate(QDir(dir), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

} // namespace platform
