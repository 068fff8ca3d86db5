#pragma once
// The Record dialog (how often each game was played and won, with Reset) and
// the "You Win !" dialog. Both are laid out in dialog units of their font.
#include "configblock.h"

#include <QDialog>
#include <QListWidget>

class QLabel;
class QPushButton;

namespace tollmere {

// One row per game in StatsIndex order: its toolbar picture, its name, and its
// played and won counts read from the records as they are drawn.
class RecordListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 40;

    RecordListBox(const ConfigBlock& records, QWidget* parent);
    // Each row's name for a screen reader ("Calculation: played 3, won 1"),
    // from the records as they are now.
    void NameRows();

private:
    const ConfigBlock& records_;
};

class RecordDialog : public QDialog {
    Q_OBJECT
public:
    RecordDialog(ConfigBlock& records, QWidget* parent = nullptr);

    RecordListBox* List() const { return list_; }
    QLabel* PlayedTotal() const { return playedTotal_; }
    QLabel* WonTotal() const { return wonTotal_; }
    QPushButton* ResetButton() const { return reset_; }

private:
    RecordListBox* list_;
    QLabel* playedTotal_;
    QLabel* wonTotal_;
    QPushButton* reset_;
};

class WinDialog : public QDialog {
    Q_OBJECT
public:
    explicit WinDialog(QWidget* parent = nullptr);
};

} // namespace tollmere
