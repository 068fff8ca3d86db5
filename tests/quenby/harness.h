#pragma once
// A table in a real (offscreen) window for tests: a pinned clock so deals are
// known, recorded sounds, the real view driven by real mouse events, helpers
// to arrange positions, an invariant check and the rendered pixels.
#include <games/frame.h>
#include <platform/localtime.h>
#include <platform/sound.h>
#include <table/quenbyview.h>
#include <table/tablestate.h>
#include <table/tablesurface.h>

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QSize>
#include <initializer_list>
#include <memory>
#include <vector>

namespace quenby::test {

// The face id of a card, e.g. Face(12, Spades) == 130.
int Face(int rank, int suit);

class TableHarness {
public:
    explicit TableHarness(QSize client = {800, 600}, platform::LocalTime clock = {12, 0, 0});
    ~TableHarness();
    TableHarness(const TableHarness&) = delete;
    TableHarness& operator=(const TableHarness&) = delete;

    TableState& Table() { return *state_; }
    GameTable& Game() { return state_->GameTable; }
    CQuenbyView& View() { return *view_; }
    const QStringList& Sounds() const { return sounds_.names(); }
    void ClearSounds() { sounds_.clear(); }

    // The harness starts as the program does, with the unshuffled deck laid
    // out round the title picture; StartUp then starts timer 1, which turns it.
    void StartUp();
    // The Play-menu choice of a game (a fresh deal from the pinned clock).
    void Start(GameId id);
    void SetClock(platform::LocalTime clock);

    // Real mouse events on the view, in client coordinates (positions outside
    // the view stand for what Qt delivers while it grabs the mouse).
    void Press(int x, int y);
    void Release(int x, int y);
    void Move(int x, int y, bool buttonDown);
    void Press(QPoint at) { Press(at.x(), at.y()); }
    void Release(QPoint at) { Release(at.x(), at.y()); }
    // Press, a few moves with the button down, release.
    void DragTo(QPoint from, QPoint to, int steps = 4);
    void Click(QPoint at)
    {
        Press(at);
        Release(at);
    }
    // One tick of timer 1, as its timer event; false when timer 1 is not
    // running.
    bool Tick();

    // The pile at `index` in creation order.
    Pile& PileAt(int index);
    int PileCount() const { return state_->GameTable.Piles.Count(); }
    // The centre of a pile's top card (of its place when empty), and the
    // centre of a card.
    static QPoint CentreOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    QPoint TopCardCentre(int pileIndex);

    // Arranging positions: the card is taken from wherever it is (pile, stock
    // or hand) and put on top of `pile` (face up or down), painted on top; or
    // on top of the stock. Every card stays on the table exactly once.
    Card* Find(int faceId);
    Card* Put(int faceId, Pile& pile, bool faceUp = true);
    Card* PutInStock(int faceId);
    // Every card of every pile into the stock (face up), to arrange from a
    // clean table.
    void SweepToStock();
    // After arranging: the background (stock place) drawn again and the
    // whole table repainted.
    void Redraw();

    // 52 distinct cards, each exactly once in the piles, the stock or the
    // game's held card or hand; the paint order lists only such cards, each
    // once.
    ::testing::AssertionResult Invariants();

    // The widget as rendered now (a full paint).
    QImage Grab();
    // What the window shows of the table as the paints so far left it, and
    // the table composed whole afresh.
    QImage Composed() const;
    QImage ComposedWhole();
    // The window's own picture under the view, sharing its pixels, where the
    // table is painted straight into it; else null.
    QImage Window() const;

    // The cards held by the game in play (a single Held card or Klondike's
    // Hand), top first; empty when nothing is held.
    std::vector<Card*> HeldCards();

private:
    Card* Detach(int faceId);

    platform::SoundRecorder sounds_;
    std::unique_ptr<TableState> state_;
    std::unique_ptr<CQuenbyView> view_;
    qint64 frameClock_ = 0;
};

// The program's start-up (which builds the table's picture), then the Play
// menu's choice of `id`.
void StartGame(TableHarness& h, GameId id);
// A resize of the window, delivered.
void Resize(TableHarness& h, int width, int height);

// A test whose table starts as the program does and then deals game `Id`.
template <GameId Id>
struct GameTest : ::testing::Test {
    GameTest() { StartGame(h, Id); }
    TableHarness h;
};

// The faces in the order a fresh shuffle under the pinned clock deals them:
// the oracle for what each game puts where.
std::vector<int> DealOrder();
std::vector<int> FacesOf(const CardList& cards);
// A pile's faces from its bottom card up.
std::vector<int> BottomUp(const Pile& pile);
// Where a pile's first card lies, however far the pile is fanned.
Rect PlaceOf(const Pile& pile);

// The picture left by the dirty-rectangle paints must equal the table painted
// whole: a rectangle grown too little leaves stale pixels behind.
::testing::AssertionResult RepaintedWhole(TableHarness& h);

// Moves by the real mouse, each followed by the invariants and the repaint
// check. DragCardOnto presses at `grab` on `card`, drags and releases where
// the card lies exactly over `target`; DragTopOnto does so with the top card
// of pile `from` and the first-card place of pile `to`.
void DragCardOnto(TableHarness& h, QPoint grab, const Card& card, const Rect& target);
void DragTopOnto(TableHarness& h, int from, int to);
void ClickStock(TableHarness& h);

// Lays faces on a pile, bottom first, face up.
void Lay(TableHarness& h, Pile& pile, std::initializer_list<int> faces);
// Moves every card of a pile into the stock.
void Clear(TableHarness& h, Pile& pile);
// Moves every stock card onto `pile` (face up), emptying the stock.
void DumpStockOn(TableHarness& h, Pile& pile);

} // namespace quenby::test
