#pragma once
// The help viewer: a window showing a program's HTML help file at its contents
// or at a numbered topic, with Contents, Back and Forward one click away.
#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// The help file `fileName` in the program's own folders (see
// programFileFolders) in the player's language: the first of the system
// locale's UI languages with a translation there, or else the English file,
// beside the executable when it is in none.
QString helpFilePath(const QString& fileName);

// The same choice for the given languages (BCP 47 names, most wanted first)
// and folders. A translation of "quenby.html" into German is "quenby.de.html"
// (or "quenby.de_AT.html" for one country's); English, C or POSIX in the list
// stops the search. A translation that is not a readable, non-empty file is
// passed over, so the player always has some help.
QString helpFilePath(const QString& fileName, const QStringList& languages, const QStringList& folders);

// Opens (or raises) the one help window of the program at the file's contents.
// A missing file is reported inside the viewer.
void showHelpContents(QWidget* owner, const QString& helpFile);

// Opens it at the topic for `context`: the anchor named "context-<number>".
void showHelpContext(QWidget* owner, const QString& helpFile, int context);

} // namespace platform
