// Play from the keyboard: key scripts against the same moves made with the
// mouse in every game, a whole game won from the keys alone, the focus ring's
// pixels, and the keys that must change nothing.
#include "harness.h"

#include <QApplication>

namespace tollmere::test {
namespace {

struct Stroke {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
};
const Stroke Lift{Qt::Key_Space};
const Stroke Drop{Qt::Key_Return};
const Stroke Left{Qt::Key_Left}, Right{Qt::Key_Right}, Up{Qt::Key_Up}, Down{Qt::Key_Down}, Tab{Qt::Key_Tab};
const Stroke BackTab{Qt::Key_Backtab, Qt::ShiftModifier};
const Stroke ShiftLeft{Qt::Key_Left, Qt::ShiftModifier};

void Play(Harness& h, const std::vector<Stroke>& strokes)
{
    for (const Stroke& stroke : strokes) {
        h.Key(stroke.Key, stroke.Modifiers);
        ASSERT_TRUE(h.Invariants());
        ASSERT_TRUE(h.RepaintedWhole());
    }
}

// One move per game. The first key of a game only shows the ring; the rest
// lift, carry and drop, arriving where the arrows' nearest pile lies.
struct KeyCase {
    const char* Name;
    GameId Id;
    std::vector<Stroke> Keys;
    int From;
    int Card; // the card the run starts from; -1 the top card
    int To;
};

const KeyCase KeyCases[] = {
    {"Calculation", GameId::Calculation, {Right, Lift, Down, Drop}, 0, -1, 5},
    {"BeleagueredCastle", GameId::BeleagueredCastle, {Right, ShiftLeft, ShiftLeft, Lift, Down, Drop}, 0, 3, 3},
    {"FourSeasons", GameId::FourSeasons, {Right, Lift, Right, Drop}, 0, -1, 4},
    {"Accordion", GameId::Accordion, {Tab, Tab, Lift, Right, Drop}, 1, -1, 2},
    {"FortunesFavor", GameId::FortunesFavor, {Right, Lift, Right, Drop}, 0, -1, 1},
    {"QueensAudience", GameId::QueensAudience, {Up, Lift, Up, Drop}, 0, -1, 3},
    {"Chameleon", GameId::Chameleon, {Right, Right, Right, Lift, Up, Drop}, 7, -1, 3},
    {"Quadrille", GameId::Quadrille, {Tab, Lift, BackTab, Drop}, 0, -1, 13},
};

class KeyMove : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyMove, EqualsTheSameMoveMadeWithTheMouse)
{
    const KeyCase& move = GetParam();
    Harness keys;
    keys.Start(move.Id);
    keys.ClearSounds();
    Play(keys, move.Keys);
    EXPECT_TRUE(keys.View().RingShown());
    EXPECT_EQ(keys.View().KeyFocus().pile, move.To);
    EXPECT_FALSE(keys.Frame().DragPile);

    Harness mouse;
    mouse.Start(move.Id);
    mouse.ClearSounds();
    const Table dealt = TableOf(mouse);
    const Pile& from = mouse.PileAt(move.From);
    const Card& card = *(move.Card < 0 ? from.Top() : from.Cards[std::size_t(move.Card)]);
    DragOnto(mouse, card, Into(card, 5, move.Card < 0 ? 80 : 40), mouse.PileAt(move.To));

    EXPECT_NE(TableOf(keys), dealt) << "the keys moved nothing";
    EXPECT_EQ(TableOf(keys), TableOf(mouse));
    EXPECT_EQ(keys.Sounds(), mouse.Sounds());
}

INSTANTIATE_TEST_SUITE_P(Games, KeyMove, ::testing::ValuesIn(KeyCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Calculation from its deal to its win: every stock card onto the
// foundations in turn, once with the mouse and once from the keys alone.
TEST(KeyPlay, WinsAGameAsTheMouseDoes)
{
    Harness mouse;
    mouse.Start(GameId::Calculation);
    for (int i = 0; i < 48; ++i)
        DragTopOnto(mouse, 0, 1 + i % 4);
    ASSERT_EQ(mouse.Wins(), 1);

    Harness keys;
    keys.Start(GameId::Calculation);
    keys.Key(Qt::Key_Right);
    for (int i = 0; i < 48; ++i) {
        keys.Key(Qt::Key_Space);
        for (int step = 0; step <= i % 4; ++step)
            keys.Key(Qt::Key_Right);
        keys.Key(Qt::Key_Enter);
        for (int step = 0; step <= i % 4; ++step)
            keys.Key(Qt::Key_Left);
        ASSERT_EQ(keys.View().KeyFocus().pile, 0) << "move " << i;
        ASSERT_EQ(keys.PileAt(0).Count(), 47 - i) << "move " << i;
    }
    EXPECT_EQ(TableOf(keys), TableOf(mouse));
    EXPECT_EQ(keys.Sounds(), mouse.Sounds());
    EXPECT_EQ(keys.Wins(), 1);
    EXPECT_TRUE(keys.View().LastLine().endsWith(" to Foundation 4. You won!")) << keys.View().LastLine().toStdString();
    EXPECT_EQ(keys.Table().Won, 1);
    EXPECT_EQ(keys.Config().Won, mouse.Config().Won);
    EXPECT_EQ(keys.Config().Played, mouse.Config().Played);
    EXPECT_TRUE(keys.RepaintedWhole());
}

TEST(KeyPlay, EscapeAndTheMouseTakeHeldCardsBackAndTheMouseHidesTheRing)
{
    Harness h;
    h.Start(GameId::BeleagueredCastle);
    const Table dealt = TableOf(h);
    const QImage plain = h.Composed();
    Play(h, {Down, ShiftLeft, Lift, Right, Right});
    ASSERT_EQ(h.Frame().DragPile->Count(), 2);
    EXPECT_EQ(h.View().KeyFocus().pile, 2);
    Play(h, {{Qt::Key_Escape}});
    EXPECT_EQ(TableOf(h), dealt) << "back on their row, face up as they were";
    EXPECT_TRUE(h.View().RingShown());
    EXPECT_NE(h.Composed(), plain);

    // A press while the keys hold cards first sends them home, as any press.
    Play(h, {Lift, Left});
    ASSERT_TRUE(h.Frame().DragPile);
    h.Press({2, 2});
    h.Release({2, 2});
    EXPECT_EQ(TableOf(h), dealt);
    EXPECT_FALSE(h.View().RingShown());
    EXPECT_EQ(h.Composed(), plain) << "no ring, not a pixel changed";
    EXPECT_TRUE(h.RepaintedWhole());
}

TEST(KeyPlay, KeysMeanNothingWithoutAGameAndStocksClickAsTheMouseDoes)
{
    Harness h;
    const QImage title = h.Composed();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Tab, Qt::Key_Escape})
        h.Key(key);
    EXPECT_EQ(h.Composed(), title);
    EXPECT_TRUE(h.Sounds().isEmpty());
    EXPECT_FALSE(h.View().RingShown());

    // Accordion's stock fills the gaps when Space clicks it.
    h.Start(GameId::Accordion);
    Play(h, {Tab, Tab, Lift, Right, Drop, BackTab, BackTab, Lift});
    EXPECT_EQ(h.PileAt(1).Count(), 1);
    EXPECT_EQ(h.PileAt(0).Count(), 45);
    EXPECT_FALSE(h.Frame().DragPile);
    EXPECT_EQ(h.View().LastLine().toStdString(), "1 card dealt from the stock");

    // Fortune's Favor's empty stock turns the waste over.
    h.Start(GameId::FortunesFavor);
    h.MoveAll(h.PileAt(0), h.PileAt(1));
    h.Redraw();
    h.ClearSounds();
    Play(h, {Tab, Lift});
    EXPECT_EQ(h.PileAt(0).Count(), 36);
    EXPECT_EQ(h.Sounds(), QStringList{"SHUFFLE.WAV"});
    EXPECT_EQ(h.Table().TurnCount(), 1);
    EXPECT_EQ(h.View().LastLine().toStdString(), "The waste turned over into the stock");
}

struct Reading {
    GameId Id;
    int Pile;
    const char* Name;
    std::vector<const char*> Cards; // a fan's, bottom first
    bool Button = false;
};

// From the fixed clock's first deal.
const Reading Readings[] = {
    {GameId::Calculation, 0, "Stock: 48 cards", {}},
    {GameId::Calculation, 1, "Foundation 1: Ace of Hearts on top, 1 card", {}},
    {GameId::Calculation, 5, "Waste 1: empty", {}},
    {GameId::BeleagueredCastle, 0, "Left row 1: Four of Spades on top, 6 cards",
     {"Jack of Spades", "Five of Spades", "Jack of Clubs", "Ten of Spades", "Five of Hearts", "Four of Spades"}},
    {GameId::BeleagueredCastle, 10, "Foundation 4: Ace of Spades on top, 1 card", {}},
    {GameId::Chameleon, 6, "Reserve: 12 cards", {}},
    {GameId::Chameleon, 8, "Tableau 2: King of Clubs on top, 1 card", {"King of Clubs"}},
    {GameId::Accordion, 0, "Stock: 46 cards", {}, true},
    {GameId::Accordion, 6, "Pile 6: Two of Diamonds on top, 1 card", {}},
    {GameId::Quadrille, 13, "Bottom Queen: Queen of Clubs on top, 1 card", {}},
};

TEST(KeyPlay, ThePilesReadAsThePlayerSeesThem)
{
    for (const GameInfo& game : Games) {
        Harness h;
        h.Start(game.Id);
        EXPECT_EQ(int(PileNames(int(game.Id)).size()), h.View().PileCount()) << game.Name;
        QStringList names;
        for (int i = 0; i < h.View().PileCount(); ++i)
            names << h.View().Pile(i).name.section(QLatin1Char(':'), 0, 0);
        EXPECT_EQ(names.removeDuplicates(), 0) << game.Name;
    }
    for (const Reading& reading : Readings) {
        Harness h;
        h.Start(reading.Id);
        const platform::AccessiblePile pile = h.View().Pile(reading.Pile);
        EXPECT_EQ(pile.name.toStdString(), reading.Name);
        EXPECT_EQ(pile.rect, h.PileAt(reading.Pile).Bounds.ToQRect()) << reading.Name;
        EXPECT_EQ(pile.button, reading.Button) << reading.Name;
        ASSERT_EQ(pile.cards.size(), reading.Cards.size()) << reading.Name;
        for (std::size_t i = 0; i < pile.cards.size(); ++i) {
            EXPECT_EQ(pile.cards[i].name.toStdString(), reading.Cards[i]);
            EXPECT_EQ(pile.cards[i].rect.width(), i + 1 == pile.cards.size() ? 71 : 15) << "what shows of it";
        }
    }
}

TEST(KeyPlay, EachMoveFromTheKeysIsSaidAndTheFocusIsTheReadersToo)
{
    Harness h;
    h.Start(GameId::BeleagueredCastle);
    EXPECT_EQ(h.View().KeyFocus().pile, 0);
    EXPECT_EQ(h.View().KeyFocus().card, 5);
    Play(h, {Right, ShiftLeft, Lift});
    EXPECT_EQ(h.View().KeyFocus().card, 3) << "the new top card";
    const auto said = [&h] { return h.View().LastLine().toStdString(); };
    EXPECT_EQ(said(), "Five of Hearts and 1 more lifted from Left row 1");
    EXPECT_EQ(h.View().Pile(0).name.toStdString(), "Left row 1: Ten of Spades on top, 4 cards");
    Play(h, {Right, Drop});
    EXPECT_EQ(said(), "Five of Hearts and 1 more to Foundation 1");
    EXPECT_EQ(h.View().Pile(1).name.toStdString(), "Foundation 1: Four of Spades on top, 3 cards");
    Play(h, {Lift, Down, {Qt::Key_Escape}});
    EXPECT_EQ(said(), "Four of Spades back to Foundation 1");

    // The mouse says nothing: what it shows is as it always was.
    DragTopOnto(h, 1, 0);
    EXPECT_EQ(said(), "Four of Spades back to Foundation 1");
    h.Start(GameId::Calculation);
    EXPECT_EQ(said(), "") << "a new deal starts with nothing said";
}

} // namespace
} // namespace tollmere::test
