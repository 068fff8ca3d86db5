#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

// Follows a chain of symlinks to the path that is finally written, even when
// the last link dangles (the file is then created where it points).
QString resolvedTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? QString() : info.absoluteFilePath();
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (name.isEmpty() || ::stat(name.constData(), &before) != 0 || !S_ISREG(before.st_mode)
        || before.st_size > maxBytes)
        return std::nullopt;
    // Non-blocking, so that a pipe or device put there since the check opens
    // at once; the open file is checked again.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> result;
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_size <= maxBytes) {
        // One byte more than allowed shows a file that grew past the cap.
        QByteArray data(qsizetype(opened.st_size) + 1, Qt::Uninitialized);
        qsizetype have = 0;
        bool failed = false;
        while (have < data.size()) {
            const ssize_t got = ::read(fd, data.data() + have, size_t(data.size() - have));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                failed = true;
                break;
            }
            if (got == 0)
                break;
            have += got;
            if (have == data.size() && have <= maxBytes)
                data.resize(std::min<qsizetype>(maxBytes + 1, data.size() * 2));
        }
        if (!failed && have <= maxBytes) {
            data.truncate(have);
            result = std::move(data);
        }
    }
    ::close(fd);
    return result;
}

bool writeFileWhole(const QString& path, const QByteArray& data)
{
    const QString target = resolvedTarget(path);
    if (target.isEmpty())
        return false;
    struct stat existing {};
    if (::stat(QFile::encodeName(target).constData(), &existing) == 0 && !S_ISREG(existing.st_mode))
        return false;
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    QSaveFile file(target);
    file.setDirectWriteFallback(true);
    // Unbuffered, so a short write (a full disk) shows in write()'s count: a
    // buffered QSaveFile can commit the part that fitted and report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
