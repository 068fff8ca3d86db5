#pragma once
// The Open Game and Save Game dialogs: saved games (*.Sol) listed, "Sol" added
// to a name typed without an extension, and no question before a file is
// replaced.
#include <QString>

class QWidget;

namespace tollmere {

enum class GameFileDialog { Open, Save };

// The path the player chose; empty when cancelled or when the name is a
// pattern ("*.Sol") rather than a file.
QString AskGameFile(QWidget* owner, GameFileDialog kind);

// The chosen name as a path: refused (empty) when it holds a wildcard.
QString AcceptedGamePath(const QString& chosen);

} // namespace tollmere
