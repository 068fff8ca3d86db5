#pragma once
// Program groups as freedesktop menus lay them out: a submenu
// (a merged menu file and a directory entry) holding launchers (desktop
// entries), per user or for every user of the machine.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace setupkit {

struct MenuPlaces {
    QString applications; // launchers
    QString directories;  // directory entries
    QString mergedMenus;  // menu files merged into the application menu
};

// Per user: $XDG_DATA_HOME and $XDG_CONFIG_HOME. For everyone: the first
// folders of $XDG_DATA_DIRS (default /usr/local/share) and $XDG_CONFIG_DIRS
// (default /etc/xdg).
MenuPlaces menuPlaces(bool everyone);

// "Quenby Instructions" in group "Tablewright" -> "tablewright-quenby-instructions":
// lower case, runs of anything but letters and digits as one '-'.
QString entryBaseName(const QString& group, const QString& item = {});

// One argument of an Exec line, quoted as desktop entries require (and with
// '%' doubled), before the line is escaped as a string value.
QString quoteExecArgument(const QString& argument);
// A string value escaped for a desktop entry file.
QString escapeEntryValue(const QString& value);

// A launcher for `target`: an executable file is run, anything else is
// opened with the desktop's viewer for its type. Empty `icon` gives the
// desktop's icon for programs or documents.
QByteArray launcherEntry(const QString& name, const QString& target, bool targetIsProgram,
                         const QString& icon);
QByteArray directoryEntry(const QString& name);

// A merged menu file putting `launchers` (file names) into submenu `group`.
QByteArray menuFile(const QString& group, const QString& directoryFile, const QStringList& launchers);
// The launcher file names a menu file made by menuFile() includes; empty for
// anything else.
QStringList menuFileLaunchers(const QByteArray& menu);

// Replaces `path` whole (creating its folder), or leaves it as it was; a
// link there is replaced, not written through (see safefile.h).
bool writeFileWhole(const QString& path, const QByteArray& bytes);

} // namespace setupkit
