#pragma once
// Installing files without following anyone's links. A folder is reached one
// part at a time and held by its descriptor; a file is written at a name
// nobody can guess beside its final name and renamed over it, which replaces
// a link or a file standing there instead of writing through it.
#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

#include <sys/types.h>

namespace setupkit {

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    ~UniqueFd();

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The folder `path` (absolute), its missing parts made. Every folder and
// link on the way must be this user's or root's, and no folder writable by
// all unless sticky: another user's link could lead anywhere, and in another
// user's folder the entries could be swapped for links meanwhile. Closed
// when it cannot be reached so.
UniqueFd openFolder(const QString& path);

// A file being written in a held folder; removed unless committed.
class NewFile {
public:
    NewFile(int folder, const QString& name);
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile();

    bool isOpen() const { return fd_.isOpen(); }
    bool write(const char* data, qint64 size);
    // Gives the file `mode`, syncs it and renames it over its name. Refused
    // when a folder or anything but a file or a link stands at that name.
    bool commit(mode_t mode);

private:
    int folder_;
    QByteArray name_;
    QByteArray temporary_;
    UniqueFd fd_;
};

// `path` replaced whole with `bytes`, its folder reached as openFolder does.
bool replaceFileWhole(const QString& path, const QByteArray& bytes, mode_t mode);

// Where this user's locks go, a folder nobody else can write:
// $XDG_RUNTIME_DIR when it is this user's own with mode 0700, else /run/lock
// for root, else the user's state folder ($XDG_STATE_HOME, ~/.local/state).
QString lockFolder();

// An exclusive lock on `name` in `folder`, held while the descriptor is open,
// so that a process that dies frees it. Empty when another process holds it;
// a closed descriptor when no lock can be made, which stops nobody. Anything
// at that name but this user's own file is never opened: it is removed and
// the lock made anew, or else there is no lock.
std::optional<UniqueFd> takeLock(const QString& folder, const QString& name);

} // namespace setupkit
