#pragma once
// Folder names as the toolkit judges them.
#include <QString>

namespace setupkit {

// "~" and a leading "~/" stand for the home folder; anything else is kept.
QString expandHome(const QString& path);

// A folder files can be installed into: an absolute path without control
// characters, that is a writable folder or can be made as one (its nearest
// existing ancestor is a writable folder), reached only through folders and
// links of this user or root (see openFolder).
bool isValidDirectory(const QString& path);

// True when `a` and `b` name one folder: the same path, or, for folders that
// exist, the same device and inode (one reached through a link). Letter case
// counts as the file system counts it.
bool isSameFolder(const QString& a, const QString& b);

// True when installing for every user of the machine (run as root).
bool installsForEveryone();

} // namespace setupkit
