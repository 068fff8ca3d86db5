#pragma once
// The Open Game and Save Game dialogs: saved games (*.Sol) listed, "Sol" added
// to a name typed without an extension, and no question before a file is
// replaced.
#include <QString>

class QWidget;

namespace tollmere {

enum class GameFileDialog { Open, Save };

// The path the player chose; empty when cancelled. A name holding * or ?
// that is no existing file lists the files it matches and keeps the dialog
// open, so it is never returned.
QString AskGameFile(QWidget* owner, GameFileDialog kind);

} // namespace tollmere
