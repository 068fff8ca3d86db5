#pragma once
// The help viewer: a window showing a program's HTML help file at its contents
// or at a numbered topic, with Contents, Back and Forward one click away.
#include <QString>

class QWidget;

namespace platform {

// The help file `fileName` in the program's own folders (see
// programFileFolders); beside the executable when it is in none.
QString helpFilePath(const QString& fileName);

// Opens (or raises) the one help window of the program at the file's contents.
// A missing file is reported inside the viewer.
void showHelpContents(QWidget* owner, const QString& helpFile);

// Opens it at the topic for `context`: the anchor named "context-<number>".
void showHelpContext(QWidget* owner, const QString& helpFile, int context);

} // namespace platform
