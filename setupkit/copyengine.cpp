#include "copyengine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace setupkit {

namespace {

constexpr qint64 pieceBytes = 256 * 1024;

CopyResult copyOne(const CopyItem& item, CopyProgress& at, const CopyProgressFn& progress)
{
    const QFileInfo info(item.source);
    QFile source(item.source);
    if (!info.isFile() || !source.open(QIODevice::ReadOnly))
        return copySourceUnreadable;
    if (!QDir().mkpath(QFileInfo(item.destination).absolutePath()))
        return copyFolderNotMade;

    QSaveFile target(item.destination);
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return copyWriteFailed;
    QByteArray piece;
    do {
        piece = source.read(pieceBytes);
        if (piece.isEmpty() && source.error() != QFileDevice::NoError)
            return copySourceUnreadable;
        if (target.write(piece) != piece.size())
            return copyWriteFailed;
        at.bytesDone += piece.size();
        if (progress && !progress(at))
            return copyStopped; // the unfinished copy is removed with `target`
    } while (piece.size() == pieceBytes);

    struct stat st {};
    if (::fstat(source.handle(), &st) != 0 || ::fchmod(target.handle(), st.st_mode & 07777) != 0)
        return copyWriteFailed;
    return target.commit() ? copyDone : copyWriteFailed;
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
