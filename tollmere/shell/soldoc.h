#pragma once
// The document of the single-document window. It holds nothing of the game
// (the view owns everything); it only gives the caption its title.
#include <QCoreApplication>
#include <QString>

namespace tollmere {

class CSolDoc {
public:
    const QString& Title() const { return title_; }
    // A new document is an empty one, untitled.
    void OnNewDocument() { title_ = Untitled(); }

private:
    static QString Untitled() { return QCoreApplication::translate("tollmere::CSolDoc", "Untitled"); }
    QString title_ = Untitled();
};

} // namespace tollmere
