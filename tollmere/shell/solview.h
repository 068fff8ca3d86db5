#pragma once
// The window onto the table, and the owner of everything a run keeps: the
// records block, the deck, the game in play and the off-screen picture. It
// turns the mouse into the game's pick-up, drag and drop, repaints only what
// they changed, and carries out the toolbar commands.
#include "configblock.h"
#include "tablesurface.h"

#include <games/carddeck.h>
#include <games/gametable.h>
#include <platform/accessibletable.h>
#include <platform/tablepainter.h>

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace tollmere {

class CSolView : public QWidget, public platform::AccessibleTable {
    Q_OBJECT
public:
    // Reads the records file at `configPath` and shows the title picture.
    explicit CSolView(QString configPath = QString::fromLatin1(ConfigBlock::FileName), QWidget* parent = nullptr);
    // Writes the records file, then lets go of the surface, the game and the
    // deck, in that order.
    ~CSolView() override;

    ConfigBlock& Config() { return config_; }
    GameTable& Table() { return *table_; }
    CardDeck& Deck() { return *deck_; }
    TableSurface* Surface() { return surface_.get(); }
    bool MayWriteConfig() const { return mayWriteConfig_; }
    // Puts the table on the screen and paces a drag to the frames; tests set
    // its clock.
    platform::TablePainter& Painter() { return painter_; }

    // The initial update (start-up, and again after a new document): the
    // table rebuilt for the game in play and repainted whole.
    void OnInitialUpdate();
    // A game command (or About with the title's number): a new deal, laid
    // out and drawn, counted as played.
    void StartGame(int gameId);
    // Opens the game saved at `path`; a file that names no game changes
    // nothing. False when nothing was opened.
    bool LoadGame(const QString& path);
    // False when the file could not be written, or the title is showing.
    bool SaveGameTo(const QString& path);

    // The toolbar commands.
    void OnAbout();
    void OnHelp();
    void OnOpen();
    void OnSave();
    void OnColor();
    void OnDecks();
    void OnRecord();
    void OnSound();

    // The table as a screen reader reads it. The keys' focus is a pile, and
    // inside a fanned pile the card a press there would lift.
    int PileCount() const override;
    platform::AccessiblePile Pile(int index) const override;
    Focus KeyFocus() const override;
    // The last line the keys' moves said ("Five of Spades to Foundation 1").
    const QString& LastLine() const { return said_; }

    // The focus ring shows from the first key of a game to the next press
    // of the mouse.
    bool RingShown() const { return ringShown_; }
    // The ring, where it shows, drawn over `area` of the composed table.
    void PaintRing(QImage& target, const Rect& area) const;

    // Seams for the dialogs, so tests can answer them: each returns what the
    // player chose (an empty path for cancel).
    std::function<QString()> AskOpenPath;
    std::function<QString()> AskSavePath;
    std::function<void(const QString& path)> ReportSaveFailed;
    std::function<bool(platform::ColorRef& colour, platform::CustomColours& custom)> AskColour;
    std::function<void()> AskDeck;
    std::function<void()> ShowRecord;
    std::function<void()> ShowWin;
    std::function<void(int helpContext)> ShowHelp; // 0: the contents

signals:
    // What a move made from the keys did, for the status bar.
    void Said(const QString& line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // In a game, Tab moves the focus between piles, not between widgets.
    bool focusNextPrevChild(bool next) override;

private:
    // A new surface for the client size, and the game laid out in it.
    void RebuildTable();
    bool Inside(const QMouseEvent* event) const;

    // The three steps of a move, made alike by the mouse and the keys; each
    // repaints what it changed, the ring included, at once.
    void Press(QPoint at, Rect dirty = {});
    // After the drop, `line` (when given) says what it did, before a win's
    // dialog shows.
    void Release(QPoint at, const std::function<QString()>& line = {});
    // What the ring covered and now covers, when that changed.
    Rect RingChange();
    Rect RingArea() const;

    // --- Keys ---
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
    // The focus kept on a pile that exists and a card it holds.
    Focus Clamped(Focus focus) const;
    void ClampFocus();
    // The focus onto pile `index`, at its top card; held cards are carried
    // there.
    void FocusPile(int index, Rect& dirty);
    void FocusCard(int step);
    // Space or Enter: a held hand dropped, a stock clicked, else a lift.
    void Activate(Rect& dirty);
    // A stock that a click works (deals, turns the waste over) rather than
    // one whose top card is lifted.
    bool ClicksAsAButton(int index) const;
    void Say(const QString& line);
    // Held cards home to their pile, as the next press would send them.
    void TakeBack(Rect& dirty);

    // --- The reader ---
    // Every pile's description; after a move the ones that changed are
    // announced.
    std::vector<QString> PileNamesNow() const;
    QString PileName(int index) const;
    // The pile that holds `card`.
    int PileHolding(const Card& card) const;
    void AnnounceChanges(const std::vector<QString>& before);

    QString configPath_;
    ConfigBlock config_;
    bool mayWriteConfig_ = true;
    std::unique_ptr<CardDeck> deck_;
    std::unique_ptr<GameTable> table_;
    std::unique_ptr<TableSurface> surface_;
    platform::TablePainter painter_{this};
    Focus focus_{0, -1};
    QString said_;
    bool ringShown_ = false;
    Rect ring_; // what the ring covers on the screen now
};

} // namespace tollmere
