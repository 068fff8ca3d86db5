#pragma once
// The tollmere view in an offscreen window for tests: a pinned clock so deals
// are known, recorded sounds, a private records file, real mouse events, an
// oracle of the shuffle, an invariant check and the painted pixels.
#include <games/gametable.h>
#include <platform/localtime.h>
#include <platform/sound.h>
#include <shell/solview.h>

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <memory>
#include <utility>
#include <vector>

namespace tollmere::test {

// A card by identity, e.g. {rank::Queen, suit::Spades}.
using CardId = std::pair<int, int>;

// The deck order a fresh program's first shuffle at `clock` gives, worked
// out here from the generator's definition (state 1 at start, the seed the sum
// of the clock and one draw, keys drawn in creation order, largest key first).
// `state` carries the generator over to the next shuffle.
std::vector<CardId> ShuffleOracle(platform::LocalTime clock, std::uint32_t& state);
std::vector<CardId> FirstDeal(platform::LocalTime clock = {12, 0, 0});

class Harness {
public:
    explicit Harness(QSize client = {800, 600}, platform::LocalTime clock = {12, 0, 0});
    ~Harness();
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    CSolView& View() { return *view_; }
    GameTable& Table() { return view_->Table(); }
    GameFrame& Frame() { return *view_->Table().Frame(); }
    CardDeck& Deck() { return view_->Deck(); }
    ConfigBlock& Config() { return view_->Config(); }
    Pile& PileAt(int index) { return Frame().At(index); }
    const QStringList& Sounds() const { return sounds_.names(); }
    void ClearSounds() { sounds_.clear(); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    void SetClock(platform::LocalTime clock) { platform::setFixedLocalTime(clock); }
    int Wins() const { return wins_; }

    // A game command, as the toolbar gives it.
    void Start(GameId id);
    // The view taken down (the records file written) and made again.
    void Restart();

    // Real mouse events in client coordinates; positions outside the view
    // stand for what Qt delivers while it grabs the mouse.
    void Press(QPoint at);
    void Release(QPoint at);
    void Move(QPoint at, bool buttonDown);
    // Press, a few moves with the button down, release.
    void DragTo(QPoint from, QPoint to, int steps = 4);
    void Click(QPoint at)
    {
        Press(at);
        Release(at);
    }
    // A key pressed and let go on the view.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Arranging a position: the card taken from wherever it lies and put on
    // top of `pile`, face up or down, painted on top.
    void Put(CardId card, Pile& pile, bool faceUp = true);
    // Every card of `from` onto `to`, in order.
    void MoveAll(Pile& from, Pile& to);
    // After arranging: every pile laid out again and the table repainted.
    void Redraw();

    // Each card of the deck lies in exactly one pile (or is held), the deck
    // lists 52 distinct cards, and every card outside a pile has no place.
    ::testing::AssertionResult Invariants();
    // The picture the dirty-rectangle paints left equals the table painted
    // whole afresh.
    ::testing::AssertionResult RepaintedWhole();
    // What the window shows of the table as the paints so far left it, and
    // the table composed whole afresh, with the focus ring where it shows.
    QImage Composed() const;
    QImage ComposedWhole();
    // The window's own picture under the view, sharing its pixels, where the
    // table is painted straight into it; else null.
    QImage Window() const;

private:
    void MakeView();

    QTemporaryDir dir_;
    platform::SoundRecorder sounds_;
    std::unique_ptr<CSolView> view_;
    int wins_ = 0;
    qint64 frameClock_ = 0;
};

// The identities of a pile's cards, bottom first.
std::vector<CardId> CardsOf(const Pile& pile);
// Every pile's cards, bottom first, with their face flags.
using Faced = std::pair<CardId, int>;
using Table = std::vector<std::vector<Faced>>;
Table TableOf(Harness& h);
CardId IdOf(const Card& card);
// The centre of a card place, and the point `dx`, `dy` into a card.
QPoint Centre(const Rect& r);
QPoint Into(const Card& card, int dx, int dy);

// A move by the real mouse followed by the invariants and the repaint check:
// the top card (or the run from `card`) dragged so that it lies exactly on
// the card place of pile `to`.
void DragOnto(Harness& h, const Card& card, QPoint grab, const Pile& to);
void DragTopOnto(Harness& h, int from, int to);

} // namespace tollmere::test
