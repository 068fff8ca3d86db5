#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace setupkit {

namespace {

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr int maxLinks = 40; // as the kernel allows

QByteArrayList partsOf(const QByteArray& path)
{
    QByteArrayList parts = path.split('/');
    parts.removeAll(QByteArray());
    return parts;
}

bool trustedOwner(uid_t owner)
{
    return owner == 0 || owner == ::geteuid();
}

} // namespace

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

UniqueFd::~UniqueFd()
{
    if (fd_ >= 0)
        ::close(fd_);
}

UniqueFd openFolder(const QString& path)
{
    if (!QDir::isAbsolutePath(path))
        return {};
    UniqueFd at(::open("/", folderFlags));
    QByteArrayList parts = partsOf(QFile::encodeName(QDir::cleanPath(path)));
    int links = 0;
    while (at.isOpen() && !parts.isEmpty()) {
        const QByteArray part = parts.takeFirst();
        UniqueFd next(::openat(at.get(), part.constData(), folderFlags));
        if (!next.isOpen() && errno == ENOENT) {
            if (::mkdirat(at.get(), part.constData(), 0777) != 0 && errno != EEXIST)
                return {};
            next = UniqueFd(::openat(at.get(), part.constData(), folderFlags));
        }
        if (next.isOpen()) {
            // Another user could swap the entries of their own folder, or of
            // one open to all that is not sticky (as /tmp is).
            struct stat st {};
            if (::fstat(next.get(), &st) != 0 || !trustedOwner(st.st_uid)
                || ((st.st_mode & S_IWOTH) && !(st.st_mode & S_ISVTX)))
                return {};
            at = std::move(next);
            continue;
        }
        // Not a folder: maybe a link. The link itself is held, so the owner
        // checked is the owner of the target read.
        const UniqueFd link(::openat(at.get(), part.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (!link.isOpen() || ::fstat(link.get(), &st) != 0 || !S_ISLNK(st.st_mode) || !trustedOwner(st.st_uid)
            || ++links > maxLinks)
            return {};
        char target[PATH_MAX];
        const ssize_t size = ::readlinkat(link.get(), "", target, sizeof target);
        if (size <= 0 || size == sizeof target)
            return {};
        parts = partsOf(QByteArray(target, size)) + parts;
        if (target[0] == '/')
            at = UniqueFd(::open("/", folderFlags));
    }
    return at;
}

NewFile::NewFile(int folder, const QString& name) : folder_(folder), name_(QFile::encodeName(name))
{
    if (name_.isEmpty() || name_.contains('/'))
        return;
    for (int attempt = 0; attempt < 8 && !fd_.isOpen(); ++attempt) {
        temporary_ = ".setup-" + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
        fd_ = UniqueFd(::openat(folder_, temporary_.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd_.isOpen() && errno != EEXIST)
            break;
    }
    if (!fd_.isOpen())
        temporary_.clear();
}

NewFile::~NewFile()
{
    if (!temporary_.isEmpty())
        ::unlinkat(folder_, temporary_.constData(), 0);
}

bool NewFile::write(const char* data, qint64 size)
{
    while (fd_.isOpen() && size > 0) {
        const ssize_t written = ::write(fd_.get(), data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return fd_.isOpen();
}

bool NewFile::commit(mode_t mode)
{
    if (!fd_.isOpen() || ::fchmod(fd_.get(), mode & 0777) != 0 || ::fsync(fd_.get()) != 0)
        return false;
    fd_ = UniqueFd();
    struct stat st {};
    if (::fstatat(folder_, name_.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode)
        && !S_ISLNK(st.st_mode))
        return false;
    if (::renameat(folder_, temporary_.constData(), folder_, name_.constData()) != 0)
        return false;
    temporary_.clear();
    ::fsync(folder_);
    return true;
}

bool replaceFileWhole(const QString& path, const QByteArray& bytes, mode_t mode)
{
    const QFileInfo info(path);
    const UniqueFd folder = openFolder(info.absolutePath());
    if (!folder.isOpen())
        return false;
    NewFile file(folder.get(), info.fileName());
    return file.write(bytes.constData(), bytes.size()) && file.commit(mode);
}

QString lockFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat st {};
    if (QDir::isAbsolutePath(runtime) && ::stat(QFile::encodeName(runtime).constData(), &st) == 0
        && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700)
        return runtime;
    if (::geteuid() == 0)
        return QStringLiteral("/run/lock");
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
}

std::optional<UniqueFd> takeLock(const QString& folderPath, const QString& name)
{
    const UniqueFd folder = openFolder(folderPath);
    const QByteArray file = QFile::encodeName(name);
    UniqueFd lock;
    for (int attempt = 0; attempt < 2 && folder.isOpen() && !lock.isOpen(); ++attempt) {
        lock = UniqueFd(::openat(folder.get(), file.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (lock.isOpen() || errno != EEXIST)
            break;
        struct stat st {};
        if (::fstatat(folder.get(), file.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)
            && st.st_uid == ::geteuid()) {
            // Ours a moment ago; what was opened is checked again.
            lock = UniqueFd(::openat(folder.get(), file.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
            if (lock.isOpen() && (::fstat(lock.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()))
                lock = UniqueFd();
        } else {
            ::unlinkat(folder.get(), file.constData(), 0);
        }
    }
    if (lock.isOpen() && ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? std::nullopt : std::optional<UniqueFd>(UniqueFd());
    return lock;
}

} // namespace setupkit
