#pragma once
// The window onto the table: it paints the off-screen picture through the
// dirty rectangle, hands the three mouse operations to the game in play, and
// owns timer 1, which turns the start-up carousel and the dance after a win.
// The table state itself belongs to the document.
#include "gameid.h"

#include "settings.h"
#include "tablereader.h"

#include <games/keyplay.h>
#include <platform/colour.h>
#include <platform/tablepainter.h>

#include <QWidget>
#include <functional>

namespace quenby {

struct TableState;

class CQuenbyView : public QWidget {
    Q_OBJECT
public:
    static constexpr int TimerPeriodMs = 100;

    explicit CQuenbyView(TableState& table, QWidget* parent = nullptr);
    ~CQuenbyView() override;

    TableState& Table() const { return table_; }

    // The first initial update, once the settings are read: the unshuffled
    // deck is laid out round the title picture. Run again (a surface exists),
    // it is InitialUpdateAgain.
    void OnFirstInitialUpdate();
    // The later initial updates (start-up's second step, new and open): the
    // whole view is repainted and timer 1 starts, wanted from now on.
    void InitialUpdateAgain();
    // A Play-menu choice: timer 1 stopped and no longer wanted, a new deal.
    void StartGame(GameId id);
    // A new table colour: the surface is rebuilt in it.
    void SetTableColour(platform::ColorRef colour);
    // The Decks command: the dialog, then the table redrawn with the chosen
    // (or unchanged) back.
    void OnDecks();
    // Turns every face-down card to the current back and redraws everything.
    void ChangeCardBack();

    bool TimerRunning() const { return timerId_ != 0; }
    int TimerWanted() const { return timerWanted_; }
    int TimerId() const { return timerId_; }

    // The sixteen custom colours of the colour dialog (greys 0x101010 apart
    // until the settings say otherwise).
    platform::CustomColours CustomColours = DefaultCustomColours();

    // Runs the Decks dialog and returns the chosen back, or the current one on
    // Cancel; tests put a stand-in here.
    std::function<int(QWidget* owner, int cardBackId, platform::ColorRef tableColour)> AskDeck;

    // Puts the table on the screen and paces a drag to the frames; tests set
    // its clock.
    platform::TablePainter& Painter() { return painter_; }

    // The keyboard's focus on the table and its ring.
    const KeyPlay& Keys() const { return keys_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void timerEvent(QTimerEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The table's DirtyRect handed to the painter and repainted now.
    void RepaintDirty();
    void StartTimer1();
    void KillTimer1();
    bool Inside(const QMouseEvent* event) const;
    // The three mouse operations as the mouse and the keys deliver them; a
    // drag's move by the mouse is paced to the frames, a key's painted now.
    void OnPress(QPoint at);
    void OnMove(QPoint at, bool paced);
    void OnRelease(QPoint at);
    // Moves, shows or hides the focus ring; what it leaves and covers is
    // marked dirty.
    void UpdateRing();
    // Keys play only while a game is dealt and not won.
    bool KeysPlay() const;

    TableState& table_;
    platform::TablePainter painter_;
    int timerId_ = 0;
    int timerWanted_ = 0;
    KeyPlay keys_;
    TableReader reader_{table_, keys_};
};

} // namespace quenby
