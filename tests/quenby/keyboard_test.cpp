// Play from the keyboard through the real view: every key becomes the mouse's
// press, move and release, so a keyed move leaves the table, the paint order
// and the sounds exactly as the same move made with the mouse.
#include "games_b_moves.h"

#include <games/keyplay.h>
#include <table/tablereader.h>

#include <QAccessible>
#include <QTest>

#include <functional>
#include <sstream>

namespace quenby::test {
namespace {

void Key(TableHarness& h, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(&h.View(), key, modifiers);
}

int FocusedPlace(TableHarness& h) { return h.View().Keys().Current(h.Table()).place; }

// The focus's place of pile `index`: the stock, where there is one, comes first.
int PlaceOfPile(TableHarness& h, int index)
{
    const std::vector<TablePlace> places = TablePlaces(h.Table());
    return index + (places.front().pile ? 0 : 1);
}

void TabTo(TableHarness& h, int place)
{
    const int count = int(TablePlaces(h.Table()).size());
    for (int n = (place - FocusedPlace(h) + count) % count; n > 0; --n)
        Key(h, Qt::Key_Tab);
    ASSERT_EQ(FocusedPlace(h), place);
}

// Lifts the top card of pile `from` (or, `below` cards further down its fan,
// what a press there lifts), carries it to pile `to` and drops it, by keys.
void KeyMove(TableHarness& h, int from, int to, int below = 0)
{
    TabTo(h, PlaceOfPile(h, from));
    const Qt::Key towardBottom = TablePlaces(h.Table())[std::size_t(PlaceOfPile(h, from))].fan == Fan::Right
                                     ? Qt::Key_Left
                                     : Qt::Key_Up;
    for (int n = 0; n < below; ++n)
        Key(h, towardBottom, Qt::ShiftModifier);
    Key(h, Qt::Key_Space);
    TabTo(h, PlaceOfPile(h, to));
    Key(h, Qt::Key_Space);
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(RepaintedWhole(h));
}

// Everything a move can change: each pile's cards bottom up, face up or down
// and where they lie, the stock, the paint order, Won and the sounds.
std::string TableText(TableHarness& h)
{
    std::ostringstream text;
    const auto card = [&](const Card* c) {
        text << ' ' << c->FaceId << (c->IsFaceDown(h.Table().CardBackId) ? "d" : "") << '@' << c->Left() << ','
             << c->Top();
    };
    for (int i = 0; i < h.PileCount(); ++i) {
        text << "pile " << i << ':';
        for (int face : BottomUp(h.PileAt(i)))
            card(h.Find(face));
        text << '\n';
    }
    text << "stock " << FacesOf(h.Game().Stock.Cards).size() << "\npaint";
    for (const Card* c : h.Table().PaintList)
        text << ' ' << c->FaceId;
    text << "\nheld " << h.HeldCards().size() << " won " << h.Game().Won << " timer " << h.View().TimerRunning()
         << "\nsounds " << h.Sounds().join(' ').toStdString() << '\n';
    return text.str();
}

QAccessibleInterface* Reader(TableHarness& h) { return QAccessible::queryAccessibleInterface(&h.View()); }

// The line said last: the announcement follows the places.
QString Said(TableHarness& h)
{
    QAccessibleInterface* table = Reader(h);
    return table->childCount() > int(TablePlaces(h.Table()).size())
               ? table->child(table->childCount() - 1)->text(QAccessible::Name)
               : QString();
}

// ---- One move by keys and by the mouse ---------------------------------------

// One move of a table of moves: the game, how the table is arranged first
// (the same in both tables), and the piles the move goes from and to.
struct Move {
    int from;
    int to;
    int below = 0; // cards below the top card where the press lands
};
struct KeyScript {
    const char* what;
    GameId game;
    std::function<Move(TableHarness&)> arrange;
    bool accepted;
};

// A pile's top card, and its name.
const Card& TopOf(TableHarness& h, int pile) { return *h.PileAt(pile).Top(); }
QString TopName(TableHarness& h, int pile) { return NameOf(TopOf(h, pile)); }

// Lays cards (rank, suit), bottom first, on pile `from`, to move from there.
std::function<Move(TableHarness&)> Lays(std::vector<std::pair<int, int>> cards, int from, int to, int below = 0)
{
    return [=](TableHarness& h) {
        for (const auto& [rank, suit] : cards)
            h.Put(Face(rank, suit), h.PileAt(from));
        return Move{from, to, below};
    };
}

const KeyScript Scripts[] = {
    {"Klondike: an Ace from a column to a foundation", GameId::Klondike, Lays({{1, Spades}}, 4, 0), true},
    {"Klondike: a Five refused by an empty foundation goes back", GameId::Klondike, Lays({{5, Hearts}}, 4, 0), false},
    {"Klondike: a run lifted below its top card onto an empty column", GameId::Klondike,
     [](TableHarness& h) {
         Clear(h, h.PileAt(4));
         Clear(h, h.PileAt(5));
         h.Put(Face(2, Clubs), h.PileAt(5), false);
         return Lays({{13, Spades}, {12, Hearts}}, 5, 4, 1)(h);
     },
     true},
    {"Canfield: the base rank starts the second foundation", GameId::Canfield,
     [](TableHarness& h) {
         const Card& base = TopOf(h, 1);
         return Lays({{base.Rank, base.Suit == Clubs ? Diamonds : Clubs}}, 5, 2)(h);
     },
     true},
    {"Magic Carpet: a Two of the Ace's suit from the carpet", GameId::MagicCarpet,
     [](TableHarness& h) { return Lays({{2, TopOf(h, 0).Suit}}, 4, 0)(h); }, true},
    {"Flower Garden: an Ace from a bed", GameId::FlowerGarden, Lays({{1, Spades}}, 4, 0), true},
    {"Flower Garden: an Ace from the middle of the bouquet", GameId::FlowerGarden,
     Lays({{1, Hearts}, {13, Clubs}}, 10, 1, 1), true},
    {"Osmosis: a card of the first row's suit from a reserve", GameId::Osmosis,
     [](TableHarness& h) { return Lays({{TopOf(h, 0).Rank == 7 ? 8 : 7, TopOf(h, 0).Suit}}, 4, 0)(h); }, true},
    {"Auld Lang Syne: any Two on an Ace", GameId::AuldLangSyne, Lays({{2, Clubs}}, 4, 0), true},
    {"Little Spider: an Ace from the upper row", GameId::LittleSpider, Lays({{1, Spades}}, 4, 0), true},
    {"Grannies Clock: the centre card under its hour", GameId::GranniesClock,
     [](TableHarness& h) {
         int hour = 0;
         while (h.PileAt(hour).PileNumber != TopOf(h, 12).Rank)
             ++hour;
         return Move{12, hour};
     },
     true},
};

// Both tables dealt alike and arranged alike, laid out and drawn afresh.
Move Arrange(TableHarness& h, const KeyScript& script)
{
    StartGame(h, script.game);
    const Move move = script.arrange(h);
    Relayout(h.Table());
    h.Redraw();
    h.ClearSounds();
    return move;
}

TEST(Keyboard, AKeyedMoveLeavesTheTableAsTheSameMoveByTheMouse)
{
    for (const KeyScript& script : Scripts) {
        SCOPED_TRACE(script.what);
        TableHarness mouse;
        const Move move = Arrange(mouse, script);
        const Pile& from = mouse.PileAt(move.from);
        // The mouse presses where the keys do: the card's visible part.
        const Fan fan = TablePlaces(mouse.Table())[std::size_t(PlaceOfPile(mouse, move.from))].fan;
        const std::size_t index = std::size_t(from.Count() - 1 - move.below);
        const Card& card = *mouse.Find(BottomUp(from)[index]);
        const QPoint grab = TableHarness::CentreOf(move.below > 0 ? VisibleParts(from, fan)[index] : card.Bounds);
        const int face = card.FaceId;
        DragCardOnto(mouse, grab, card, PlaceOf(mouse.PileAt(move.to)));
        const std::string byMouse = TableText(mouse);

        TableHarness keys;
        Arrange(keys, script);
        KeyMove(keys, move.from, move.to, move.below);

        EXPECT_EQ(TableText(keys), byMouse);
        const std::vector<int> landed = BottomUp(keys.PileAt(move.to));
        EXPECT_EQ(std::find(landed.begin(), landed.end(), face) != landed.end(), script.accepted);
    }
}

// ---- A whole game won from the keyboard ---------------------------------------

// A clock that deals a Grannies Clock game the plain chain of moves wins.
constexpr platform::LocalTime WinningClock{0, 0, 41};

// Plays the chain: the face-up top card under its hour, whose top card is the
// next to play, until no move is left.
void PlayTheClock(TableHarness& h, const std::function<void(int from, int to)>& move)
{
    int from = 12;
    for (int n = 0; n < 52 && h.Game().Won == 0 && h.PileAt(from).Top(); ++n) {
        int to = 0;
        while (h.PileAt(to).PileNumber != h.PileAt(from).Top()->Rank)
            ++to;
        move(from, to);
        from = to;
    }
}

TEST(Keyboard, AClockGameWonByTheMouseIsWonAlikeByKeysAlone)
{
    TableHarness mouse({800, 600}, WinningClock);
    StartGame(mouse, GameId::GranniesClock);
    PlayTheClock(mouse, [&](int from, int to) {
        const Card& card = TopOf(mouse, from);
        mouse.DragTo(TableHarness::CentreOf(card.Bounds), TableHarness::CentreOf(PlaceOf(mouse.PileAt(to))));
    });
    ASSERT_EQ(mouse.Game().Won, 1);
    // Read now: a second window takes the focus from this one, which stops
    // its dance.
    const std::string byMouse = TableText(mouse);

    TableHarness keys({800, 600}, WinningClock);
    StartGame(keys, GameId::GranniesClock);
    PlayTheClock(keys, [&](int from, int to) { KeyMove(keys, from, to); });
    EXPECT_EQ(TableText(keys), byMouse);
    EXPECT_TRUE(keys.Table().FocusRing.IsEmpty()) << "no ring over the dance";
    EXPECT_EQ(Said(keys), "You won!");

    // The dance takes no keys.
    const std::string won = TableText(keys);
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Left, Qt::Key_Escape})
        Key(keys, key);
    EXPECT_EQ(TableText(keys), won);
}

// ---- The focus --------------------------------------------------------------

TEST(Keyboard, ArrowsGoToTheNearestPlaceThatWayAndTabGoesRound)
{
    // Klondike's places: the stock, four foundations, seven columns, the waste.
    constexpr int Stock = 0, F1 = 1, F4 = 4, C1 = 5, C2 = 6, C4 = 8, C7 = 11, Waste = 12;
    struct Step {
        int from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int to;
    };
    const Step steps[] = {
        {Stock, Qt::Key_Right, Qt::NoModifier, Waste}, {Waste, Qt::Key_Right, Qt::NoModifier, F1},
        {Stock, Qt::Key_Down, Qt::NoModifier, C1},     {C1, Qt::Key_Right, Qt::NoModifier, C2},
        {C4, Qt::Key_Up, Qt::NoModifier, F1},          {F4, Qt::Key_Down, Qt::NoModifier, C7},
        {C7, Qt::Key_Right, Qt::NoModifier, C7},       {Stock, Qt::Key_Left, Qt::NoModifier, Stock},
        {Waste, Qt::Key_Tab, Qt::NoModifier, Stock},   {Stock, Qt::Key_Backtab, Qt::ShiftModifier, Waste},
        {C1, Qt::Key_Tab, Qt::NoModifier, C2},
    };
    TableHarness h;
    StartGame(h, GameId::Klondike);
    EXPECT_EQ(FocusedPlace(h), Stock) << "a deal puts the focus on its first place";
    for (const Step& step : steps) {
        TabTo(h, step.from);
        Key(h, step.key, step.modifiers);
        EXPECT_EQ(FocusedPlace(h), step.to) << step.from << " key " << step.key;
    }

    // Shift with Up and Down walks a column's face-up cards, never its
    // face-down ones.
    h.Put(Face(13, Spades), h.PileAt(C2 - 1));
    h.Put(Face(12, Hearts), h.PileAt(C2 - 1));
    Relayout(h.Table());
    TabTo(h, C2);
    const int top = h.PileAt(C2 - 1).Count() - 1;
    const std::pair<Qt::Key, int> walk[] = {{Qt::Key_Up, top - 1}, {Qt::Key_Up, top - 2}, {Qt::Key_Up, top - 2},
                                            {Qt::Key_Down, top - 1}, {Qt::Key_Down, top}, {Qt::Key_Down, top}};
    for (const auto& [key, card] : walk) {
        Key(h, key, Qt::ShiftModifier);
        EXPECT_EQ(h.View().Keys().FocusedCard(h.Table()), card);
    }
}

TEST(Keyboard, TheRingShowsFromTheFirstKeyUntilTheMouseAndRepaintsWhole)
{
    TableHarness h;
    StartGame(h, GameId::Klondike);
    const QImage untouched = h.Composed();
    EXPECT_TRUE(h.Table().FocusRing.IsEmpty());

    const auto ringed = [&](const char* after) {
        SCOPED_TRACE(after);
        EXPECT_FALSE(h.Table().FocusRing.IsEmpty());
        EXPECT_TRUE(RepaintedWhole(h));
    };
    Key(h, Qt::Key_Down);
    ringed("a first key");
    EXPECT_NE(h.Composed(), untouched);
    Key(h, Qt::Key_Right);
    ringed("a move of the focus");
    Key(h, Qt::Key_Space);
    ringed("a lift");
    ASSERT_EQ(h.HeldCards().size(), 1u);
    Key(h, Qt::Key_Tab);
    ringed("a carry");
    Key(h, Qt::Key_Escape);
    ringed("a return");
    EXPECT_TRUE(h.HeldCards().empty());

    h.Click({5, 5});
    EXPECT_TRUE(h.Table().FocusRing.IsEmpty()) << "a mouse press hides it";
    EXPECT_TRUE(RepaintedWhole(h));
    EXPECT_EQ(h.Composed(), untouched);
}

// ---- What a screen reader reads ----------------------------------------------

TEST(Reader, EveryPlaceReadsByNameWithWhatLiesOnIt)
{
    // One place of each game: its child of the view, its name as `pile`'s top
    // card makes it, and how many cards it reads one by one.
    const struct {
        GameId game;
        int child, pile;
        const char* name;
        int cards;
    } rows[] = {
        {GameId::Klondike, 7, 6, "Column 3: %1 on top, 3 cards, 2 face down", 3},
        {GameId::Klondike, 0, -1, "Stock: 24 cards", 0},
        {GameId::Canfield, 1, 0, "Reserve: %1 on top, 13 cards", 0},
        {GameId::GranniesClock, 12, 12, "Centre: %1 on top, 4 cards, 3 face down", 0},
        {GameId::GranniesClock, 1, -1, "Hour 1: 4 cards", 0},
        {GameId::FlowerGarden, 10, 10, "Bouquet: %1 on top, 16 cards", 16},
        {GameId::Osmosis, 1, 0, "Row 1: %1 on top, 1 card", 1},
        {GameId::LittleSpider, 9, 8, "Lower 1: %1 on top, 1 card", 0},
        {GameId::MagicCarpet, 24, 23, "Carpet 20: %1 on top, 1 card", 0},
        {GameId::AuldLangSyne, 5, -1, "Tableau 1: empty", 0},
    };
    for (const auto& row : rows) {
        TableHarness h;
        StartGame(h, row.game);
        QAccessibleInterface* place = Reader(h)->child(row.child);
        ASSERT_NE(place, nullptr);
        const QString name = row.pile < 0 ? QString(row.name) : QString(row.name).arg(TopName(h, row.pile));
        EXPECT_EQ(place->text(QAccessible::Name), name);
        ASSERT_EQ(place->childCount(), row.cards) << row.name;
        // Card by card, bottom first, a face-down card not named.
        if (row.game == GameId::Klondike && row.cards) {
            EXPECT_EQ(place->child(0)->text(QAccessible::Name), "face-down card");
            EXPECT_EQ(place->child(2)->text(QAccessible::Name), TopName(h, row.pile));
        }
    }
}

TEST(Reader, TheFocusIsFollowedAndEachKeyedMoveIsSaid)
{
    TableHarness h;
    StartGame(h, GameId::Klondike);
    h.Put(Face(1, Spades), h.PileAt(4));
    h.Put(Face(5, Hearts), h.PileAt(5));
    Relayout(h.Table());
    h.Redraw();
    QAccessibleInterface* table = Reader(h);
    EXPECT_EQ(table->focusChild(), table->child(0)) << "the stock, first";

    const struct {
        std::vector<Qt::Key> keys;
        const char* said;
        int focus;
    } steps[] = {
        {{Qt::Key_Space}, "1 card dealt", 0},
        {{Qt::Key_Down}, "1 card dealt", 5},
        {{Qt::Key_Space}, "Holding the Ace of Spades", 5},
        {{Qt::Key_Up, Qt::Key_Right, Qt::Key_Right}, "Holding the Ace of Spades", 1},
        {{Qt::Key_Space}, "Ace of Spades to Foundation 1", 1},
        {{Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Space, Qt::Key_Escape}, "The Five of Hearts went back", 6},
        {{Qt::Key_Space, Qt::Key_Up, Qt::Key_Space}, "Not allowed: the Five of Hearts went back", 12},
        {{Qt::Key_Shift}, "Not allowed: the Five of Hearts went back", 12},
    };
    for (const auto& step : steps) {
        for (const Qt::Key key : step.keys)
            Key(h, key);
        EXPECT_EQ(Said(h), step.said);
        // In a column the focus is its top card.
        QAccessibleInterface* focus = table->focusChild();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->parent() == table ? focus : focus->parent(), table->child(step.focus)) << step.said;
    }
    EXPECT_EQ(table->child(1)->text(QAccessible::Name), "Foundation 1: Ace of Spades on top, 1 card");
}

} // namespace
} // namespace quenby::test
