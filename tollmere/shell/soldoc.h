#pragma once
// The document of the single-document window. It holds nothing of the game
// (the view owns everything); it only gives the caption its title.
#include <QString>

namespace tollmere {

class CSolDoc {
public:
    const QString& Title() const { return title_; }
    // A new document is an empty one, untitled.
    void OnNewDocument() { title_ = QStringLiteral("Untitled"); }

private:
    QString title_ = QStringLiteral("Untitled");
};

} // namespace tollmere
