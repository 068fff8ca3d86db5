#include "copyengine.h"

#include "safefile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace setupkit {

namespace {

constexpr qint64 pieceBytes = 256 * 1024;

CopyResult copyOne(const CopyItem& item, CopyProgress& at, const CopyProgressFn& progress)
{
    // Non-blocking, so that a pipe in place of a file is refused, not waited on.
    const UniqueFd source(::open(QFile::encodeName(item.source).constData(),
                                 O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!source.isOpen() || ::fstat(source.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return copySourceUnreadable;
    const QFileInfo destination(item.destination);
    const UniqueFd folder = openFolder(destination.absolutePath());
    if (!folder.isOpen())
        return copyFolderNotMade;

    NewFile target(folder.get(), destination.fileName());
    if (!target.isOpen())
        return copyWriteFailed;
    std::vector<char> piece(pieceBytes);
    for (;;) {
        const ssize_t got = ::read(source.get(), piece.data(), piece.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return copySourceUnreadable;
        if (!target.write(piece.data(), got))
            return copyWriteFailed;
        at.bytesDone += got;
        if (progress && !progress(at))
            return copyStopped; // the unfinished copy is removed with `target`
        if (got < pieceBytes)
            break;
    }

    // Never a set-user or set-group bit from the distribution.
    return target.commit(st.st_mode & 0777) ? copyDone : copyWriteFailed;
}

} // namespace

CopyResult copyFiles(const std::vector<CopyItem>& items, const CopyProgressFn& progress)
{
    CopyProgress at;
    at.fileCount = int(items.size());
    for (const CopyItem& item : items)
        at.bytesTotal += QFileInfo(item.source).size();
    for (const CopyItem& item : items) {
        at.current = item.destination;
        if (const CopyResult result = copyOne(item, at, progress); result != copyDone)
            return result;
        ++at.filesDone;
    }
    return copyDone;
}

} // namespace setupkit
