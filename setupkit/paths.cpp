#include "paths.h"

#include "safefile.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace setupkit {

QString expandHome(const QString& path)
{
    if (path == u"~")
        return QDir::homePath();
    if (path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

bool isValidDirectory(const QString& path)
{
    if (!path.startsWith(u'/'))
        return false;
    for (QChar c : path) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    QString at = QDir::cleanPath(path);
    QFileInfo info(at);
    while (!info.exists()) {
        at = info.path();
        info = QFileInfo(at);
    }
    return info.isDir() && ::access(QFile::encodeName(at).constData(), W_OK | X_OK) == 0 && openFolder(at).isOpen();
}

bool isSameFolder(const QString& a, const QString& b)
{
    if (QDir::cleanPath(a) == QDir::cleanPath(b))
        return true;
    struct stat first {}, second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 && ::stat(QFile::encodeName(b).constData(), &second) == 0
           && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool installsForEveryone()
{
    return ::geteuid() == 0;
}

} // namespace setupkit
