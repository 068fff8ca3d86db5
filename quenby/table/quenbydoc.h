#pragma once
// The document of the single-document window: it owns the table state and
// keeps the title shown in the caption. Nothing of it is loaded or saved.
#include "tablestate.h"

#include <QObject>
#include <QString>
#include <memory>

namespace quenby {

class CQuenbyDoc : public QObject {
    Q_OBJECT
public:
    static constexpr char DefaultTitle[] = QT_TRANSLATE_NOOP("quenby::CQuenbyDoc", "Welcome");

    CQuenbyDoc();
    ~CQuenbyDoc() override; // the table state goes in its own fixed order

    TableState& Table() { return *table_; }
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title);

    // A new document is an empty one under the default title; the table
    // state (and the game on it) is left as it is.
    void OnNewDocument();
    // Opening reads nothing from the file, saving writes an empty one; both
    // then title the document after the file. False when the file cannot be
    // read or written (and nothing changes).
    bool OnOpenDocument(const QString& filePath);
    bool OnSaveDocument(const QString& filePath);

signals:
    void TitleChanged(const QString& title);

private:
    std::unique_ptr<TableState> table_;
    QString title_;
};

} // namespace quenby
