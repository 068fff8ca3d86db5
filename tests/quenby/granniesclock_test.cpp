// Grannies Clock through the real view: the face-down deal, a card going
// under its hour and turning the next, refused hours, an empty hour pile, the
// end of play with four Kings home, and a win.
#include "games_a_moves.h"

namespace quenby::test::gamesa {
namespace {

constexpr int CentreAt = 12;
// PileNumber (the hour) of each pile in creation order.
constexpr int HourOf[13] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13};

int PileOfHour(int hour)
{
    for (int i = 0; i < 13; ++i)
        if (HourOf[i] == hour)
            return i;
    return -1;
}

int FaceUpTops(TableHarness& h)
{
    int up = 0;
    for (int i = 0; i < 13; ++i)
        up += h.PileAt(i).Top() && !h.PileAt(i).Top()->IsFaceDown(h.Table().CardBackId) ? 1 : 0;
    return up;
}

TEST(GranniesClockDeal, ThirteenFaceDownPilesAndOneCardUp)
{
    TableHarness h({800, 600}, {21, 14, 35});
    StartGame(h, GameId::GranniesClock);
    const std::vector<int> order = DealOrder();
    ASSERT_EQ(h.PileCount(), 13);
    const QPoint offsets[13] = {{-35, -205}, {41, -167}, {117, -101}, {193, -48}, {117, 5},      {41, 71},   {-35, 109},
                                {-111, 71},  {-187, 5},  {-263, -48}, {-187, -101}, {-111, -167}, {-35, -48}};
    int faceUp = 0;
    for (int i = 0; i < 13; ++i) {
        const Pile& pile = h.PileAt(i);
        EXPECT_EQ(pile.PileKind, 500);
        EXPECT_EQ(pile.PileNumber, HourOf[i]);
        EXPECT_EQ(pile.GetRect(), Rect::At(400 + offsets[i].x(), 300 + offsets[i].y(), 71, 96)) << "pile " << i;
        EXPECT_EQ(BottomUp(pile), Slice(order, 4 * i, 4)) << "pile after pile, four cards each";
        for (const Card* card : pile.Cards) {
            EXPECT_EQ(card->Bounds, pile.GetRect());
            faceUp += card->IsFaceDown(h.Table().CardBackId) ? 0 : 1;
        }
    }
    EXPECT_EQ(faceUp, 1) << "exactly one card is face up";
    EXPECT_FALSE(h.PileAt(CentreAt).Top()->IsFaceDown(h.Table().CardBackId)) << "the centre's top card, dealt last";
    EXPECT_EQ(h.Game().Stock.Count(), 0);
    EXPECT_EQ(h.Table().PaintList.Count(), 52);
    EXPECT_TRUE(h.Invariants());

    Resize(h, 700, 500);
    EXPECT_EQ(h.PileAt(3).GetRect(), Rect::At(350 + 193, 250 - 48, 71, 96));
    EXPECT_EQ(h.PileAt(3).Top()->Bounds, h.PileAt(3).GetRect());
}

TEST(GranniesClockPlay, TheCentreCardGoesUnderItsHourAndTurnsTheNext)
{
    TableHarness h({800, 600}, {8, 30, 12});
    StartGame(h, GameId::GranniesClock);
    for (int move = 0; move < 6 && h.Game().Won == 0; ++move) {
        // Play the one face-up top card (the natural chain of the clock).
        int from = -1;
        for (int i = 0; i < 13; ++i)
            if (h.PileAt(i).Top() && !h.PileAt(i).Top()->IsFaceDown(h.Table().CardBackId))
                from = i;
        ASSERT_GE(from, 0);
        const Card* card = h.PileAt(from).Top();
        const int to = PileOfHour(card->Rank);
        const int before = h.PileAt(to).Count();
        const Card* nextUp = from == to ? *std::next(h.PileAt(to).Cards.begin()) : h.PileAt(to).Top();
        h.ClearSounds();

        DragTopOnto(h, from, to);
        SCOPED_TRACE(move);
        EXPECT_EQ(h.PileAt(to).Bottom(), card) << "the card goes under its hour";
        EXPECT_EQ(h.PileAt(to).Count(), from == to ? before : before + 1);
        EXPECT_EQ(card->Bounds, h.PileAt(to).GetRect());
        EXPECT_EQ(h.PileAt(to).Top(), nextUp);
        EXPECT_FALSE(nextUp->IsFaceDown(h.Table().CardBackId)) << "and turns the pile's next card";
        for (const Card* other : h.PileAt(to).Cards) {
            if (other != card) {
                EXPECT_LT(PaintIndex(h, card), PaintIndex(h, other)) << "painted beneath its pile";
            }
        }
        EXPECT_EQ(h.Sounds(), QStringList({"UP.WAV", "DOWN.WAV"}));
    }
}

// A card offered to one pile of an arranged clock.
struct HourCase {
    const char* name;
    int held;
    int targetHour;
    bool accepted;
};

TEST(GranniesClockRules, ACardGoesOnlyToItsOwnHour)
{
    const HourCase cases[] = {
        {"Ace to one o'clock", Face(Ace, Spades), 1, true},
        {"Ace refused at two o'clock", Face(Ace, Spades), 2, false},
        {"Jack to eleven o'clock", Face(Jack, Hearts), 11, true},
        {"Queen to twelve o'clock", Face(Queen, Clubs), 12, true},
        {"Queen refused in the centre", Face(Queen, Clubs), 13, false},
        {"King to the centre", Face(King, Diamonds), 13, true},
        {"King refused at twelve o'clock", Face(King, Diamonds), 12, false},
    };
    for (const HourCase& c : cases) {
        SCOPED_TRACE(c.name);
        TableHarness h;
        StartGame(h, GameId::GranniesClock);
        // The card waits face up on top of six o'clock (no case's hour).
        const int from = PileOfHour(6);
        h.Put(c.held, h.PileAt(from));
        h.PileAt(CentreAt).Top()->ShowImage(h.Table().CardBackId);
        h.Redraw();
        const int to = PileOfHour(c.targetHour);
        const int before = h.PileAt(to).Count();
        const Card* oldTop = h.PileAt(to).Top();

        DragTopOnto(h, from, to);
        EXPECT_EQ(h.PileAt(to).Count(), before + (c.accepted ? 1 : 0));
        EXPECT_EQ(h.PileAt(from).Top()->FaceId == c.held, !c.accepted);
        EXPECT_EQ(oldTop->IsFaceDown(h.Table().CardBackId), !c.accepted) << "the target's top turns only on a move";
    }
}

TEST(GranniesClockRules, AFaceDownCardKeepsItsBackAndAnEmptyHourStillShowsItsCard)
{
    TableHarness h;
    StartGame(h, GameId::GranniesClock);
    // Three o'clock is emptied onto the centre; a face-down Three waits on
    // the top of four o'clock.
    const int three = PileOfHour(3), four = PileOfHour(4);
    while (h.PileAt(three).Top())
        h.Put(h.PileAt(three).Top()->FaceId, h.PileAt(CentreAt), false);
    h.Put(Face(3, Hearts), h.PileAt(four), false);
    h.Redraw();

    DragTopOnto(h, four, three);
    const Card* card = h.Find(Face(3, Hearts));
    EXPECT_EQ(h.PileAt(three).Count(), 1);
    EXPECT_EQ(card->Bounds, h.PileAt(three).GetRect());
    EXPECT_TRUE(Painted(h, card)) << "a card on an empty hour is not lost from view";
    EXPECT_FALSE(card->IsFaceDown(h.Table().CardBackId)) << "as the pile's top it is turned up";
    EXPECT_NE(PixelAt(h, TableHarness::CentreOf(card->Bounds)), TableColour(h));

    // A face-down card dropped under a pile that has cards keeps its back.
    h.Put(Face(3, Spades), h.PileAt(four), false);
    h.Redraw();
    DragTopOnto(h, four, three);
    EXPECT_EQ(h.PileAt(three).Bottom()->FaceId, Face(3, Spades));
    EXPECT_TRUE(h.PileAt(three).Bottom()->IsFaceDown(h.Table().CardBackId));
    EXPECT_EQ(h.PileAt(three).Top()->FaceId, Face(3, Hearts));
}

TEST(GranniesClockRules, FourKingsHomeEndThePlay)
{
    TableHarness h;
    StartGame(h, GameId::GranniesClock);
    // The four Kings make up the centre; the other 48 cards stay where they
    // are, face down, on the hour piles.
    while (h.PileAt(CentreAt).Count() > 0)
        h.Put(h.PileAt(CentreAt).Top()->FaceId, h.PileAt(0), false);
    for (int suit : {Clubs, Diamonds, Hearts})
        h.Put(Face(King, suit), h.PileAt(CentreAt), suit == Hearts);
    h.Redraw();
    // Three Kings home are not yet the end: a card can still be lifted.
    h.Press(h.TopCardCentre(1));
    EXPECT_EQ(h.HeldCards().size(), 1u);
    h.Press(h.TopCardCentre(1)); // the release was lost: the card goes back
    h.Put(Face(King, Spades), h.PileAt(CentreAt));
    h.Redraw();
    ASSERT_EQ(h.PileAt(CentreAt).Count(), 4);
    h.ClearSounds();

    h.Press(h.TopCardCentre(1));
    EXPECT_TRUE(h.HeldCards().empty()) << "nothing can be lifted any more";
    h.Release(h.TopCardCentre(1));
    EXPECT_TRUE(h.Sounds().isEmpty());
    EXPECT_EQ(h.Game().Won, 0) << "face-down cards remain: the game is lost";
    EXPECT_TRUE(h.Invariants());
}

TEST(GranniesClockWin, TheLastFaceDownTopTurnedWinsBeforeTheKingsAreHome)
{
    TableHarness h;
    StartGame(h, GameId::GranniesClock);
    // Every top card face up but five o'clock's; the Five of clubs waits on
    // the centre above two face-up Kings.
    h.Put(Face(King, Hearts), h.PileAt(CentreAt));
    h.Put(Face(5, Clubs), h.PileAt(CentreAt));
    for (int i = 0; i < 13; ++i)
        h.PileAt(i).Top()->ShowImage(h.PileAt(i).Top()->FaceId);
    const int five = PileOfHour(5);
    h.PileAt(five).Top()->ShowImage(h.Table().CardBackId);
    for (int i = 0; i < 13; ++i)
        ASSERT_NE(h.PileAt(i).Count(), 0);
    h.Redraw();
    ASSERT_EQ(FaceUpTops(h), 12);

    DragTopOnto(h, CentreAt, five);
    EXPECT_EQ(FaceUpTops(h), 13);
    EXPECT_EQ(h.Game().Won, 1);
    EXPECT_TRUE(h.View().TimerRunning()) << "the dance starts";
    const int press = h.Sounds().size();
    h.Press(h.TopCardCentre(1));
    EXPECT_TRUE(h.HeldCards().empty()) << "a won table takes no more moves";
    EXPECT_EQ(h.Sounds().size(), press);
}

TEST(GranniesClockRules, AFaceDownCardHeldWhileTheBackChangesReturnsWithTheNewBack)
{
    TableHarness h;
    StartGame(h, GameId::GranniesClock);
    ASSERT_EQ(h.Table().CardBackId, 191);
    // A face-down card is lifted and its release falls outside the window.
    h.Press(h.TopCardCentre(1));
    ASSERT_EQ(h.HeldCards().size(), 1u);
    Card* held = h.HeldCards().front();
    h.View().AskDeck = [](QWidget*, int, platform::ColorRef) { return 184; };
    h.View().OnDecks();
    h.Press(h.TopCardCentre(1)); // the next press sends it home
    ASSERT_TRUE(h.HeldCards().empty());
    EXPECT_EQ(held->ImageId, 184);
    EXPECT_EQ(h.PileAt(1).Top(), held);
    EXPECT_EQ(FaceUpTops(h), 1) << "only the centre's top card shows its face";
    h.Release(h.TopCardCentre(1));
    EXPECT_EQ(h.Game().Won, 0);
}

} // namespace
} // namespace quenby::test::gamesa
