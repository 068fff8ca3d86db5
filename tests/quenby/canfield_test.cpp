// Canfield through the real view: the deal, the wrapping foundations and
// tableau, a tableau pile moving as a whole, the reserve refilling spaces, the
// three-card stock with its turn-back, and a win.
#include "games_a_moves.h"

namespace quenby::test::gamesa {
namespace {

constexpr int ReserveAt = 0;
constexpr int FoundationAt = 1; // 1..4
constexpr int TableauAt = 5;    // 5..8
constexpr int WasteAt = 9;

CanfieldGame& Canfield(TableHarness& h) { return std::get<CanfieldGame>(h.Game().Game); }

TEST(CanfieldDeal, LaysReserveFoundationTableauAndStockFromTheShuffle)
{
    TableHarness h({800, 600}, {9, 41, 7});
    StartGame(h, GameId::Canfield);
    const std::vector<int> order = DealOrder();
    ASSERT_EQ(h.PileCount(), 10);

    struct Expected {
        int kind, dx, dy, count;
    };
    const Expected piles[] = {{400, -240, -48, 13}, {100, -150, -150, 1}, {100, -75, -150, 0}, {100, 4, -150, 0},
                              {100, 80, -150, 0},   {500, -150, -48, 1},  {500, -75, -48, 1},  {500, 4, -48, 1},
                              {500, 80, -48, 1},    {200, 4, 53, 0}};
    for (int i = 0; i < 10; ++i) {
        const Pile& pile = h.PileAt(i);
        EXPECT_EQ(pile.PileKind, piles[i].kind) << "pile " << i;
        EXPECT_EQ(pile.Count(), piles[i].count) << "pile " << i;
        EXPECT_EQ(pile.GetRect(), Rect::At(400 + piles[i].dx, 300 + piles[i].dy, 71, 96)) << "pile " << i;
        for (const Card* card : pile.Cards) {
            EXPECT_FALSE(card->IsFaceDown(h.Table().CardBackId)) << "every card is dealt face up";
            EXPECT_EQ(card->Left(), pile.GetRect().left);
            EXPECT_EQ(card->Top(), pile.GetRect().top);
            EXPECT_TRUE(Painted(h, card));
        }
    }
    // Thirteen to the reserve (the thirteenth on top), one to the first
    // foundation, which fixes the base rank, one to each tableau pile.
    EXPECT_EQ(BottomUp(h.PileAt(ReserveAt)), Slice(order, 0, 13));
    EXPECT_EQ(BottomUp(h.PileAt(FoundationAt)), Slice(order, 13, 1));
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(BottomUp(h.PileAt(TableauAt + t)), Slice(order, 14 + t, 1));
    EXPECT_EQ(Canfield(h).BaseRank, Card::RankOf(order[13]));

    const Stock& stock = h.Game().Stock;
    EXPECT_EQ(stock.Count(), 34);
    EXPECT_EQ(stock.GetRect(), Rect::At(400 - 75, 300 + 53, 71, 96));
    EXPECT_EQ(stock.Cards.Head()->FaceId, order[18]);
    EXPECT_EQ(h.Table().PaintList.Count(), 18);
    EXPECT_TRUE(h.Invariants());

    // A resize lays the piles out round the new centre.
    Resize(h, 1000, 700);
    EXPECT_EQ(h.PileAt(ReserveAt).GetRect(), Rect::At(500 - 240, 350 - 48, 71, 96));
    ASSERT_NE(h.PileAt(ReserveAt).Top(), nullptr);
    EXPECT_EQ(h.PileAt(ReserveAt).Top()->Left(), 500 - 240);
    EXPECT_EQ(h.PileAt(WasteAt).GetRect(), Rect::At(504, 403, 71, 96));
    EXPECT_EQ(h.Game().Stock.GetRect(), Rect::At(425, 403, 71, 96));
}

// One card offered from the waste to one pile of an arranged table.
struct DropCase {
    const char* name;
    int baseRank;
    std::vector<int> target; // bottom up
    int targetAt;
    int held;
    bool reserveEmpty;
    bool accepted;
};

TEST(CanfieldRules, CardsFromTheWaste)
{
    const int h9 = Face(9, Hearts), s10 = Face(10, Spades), c9 = Face(9, Clubs), sK = Face(King, Spades);
    const DropCase cases[] = {
        {"base rank starts an empty foundation", 5, {}, 2, Face(5, Diamonds), false, true},
        {"Ace refused on an empty foundation when the base is Five", 5, {}, 2, Face(Ace, Diamonds), false, false},
        {"Ace follows the King on a foundation", 5, {Face(5, Clubs), Face(King, Clubs)}, 2, Face(Ace, Clubs), false, true},
        {"Two follows the Ace on a foundation", 5, {Face(5, Clubs), Face(Ace, Clubs)}, 2, Face(2, Clubs), false, true},
        {"foundation refuses another suit", 5, {Face(5, Clubs)}, 2, Face(6, Spades), false, false},
        {"foundation refuses a skipped rank", 5, {Face(5, Clubs)}, 2, Face(7, Clubs), false, false},
        {"red Nine on black Ten", 5, {s10}, 6, h9, false, true},
        {"black Nine on black Ten refused", 5, {s10}, 6, c9, false, false},
        {"King on Ace of the other colour", 5, {Face(Ace, Hearts)}, 6, sK, false, true},
        {"King on Ace of its own colour refused", 5, {Face(Ace, Clubs)}, 6, sK, false, false},
        {"Two on Ace refused in the tableau", 5, {Face(Ace, Hearts)}, 6, Face(2, Spades), false, false},
        {"waste card refused on a space while the reserve lasts", 5, {}, 6, h9, false, false},
        {"waste card fills a space once the reserve is empty", 5, {}, 6, h9, true, true},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.name);
        TableHarness h;
        StartGame(h, GameId::Canfield);
        h.SweepToStock();
        Canfield(h).BaseRank = c.baseRank;
        // Everything not in play lies on the last foundation, out of the way.
        DumpStockOn(h, h.PileAt(4));
        if (!c.reserveEmpty)
            Lay(h, h.PileAt(ReserveAt), {Face(3, Diamonds)});
        for (int face : c.target)
            h.Put(face, h.PileAt(c.targetAt));
        Lay(h, h.PileAt(WasteAt), {Face(8, Diamonds), c.held});
        h.Redraw();
        h.ClearSounds();

        DragTopOnto(h, WasteAt, c.targetAt);
        const int expected = int(c.target.size()) + (c.accepted ? 1 : 0);
        EXPECT_EQ(h.PileAt(c.targetAt).Count(), expected);
        ASSERT_NE(h.PileAt(WasteAt).Top(), nullptr);
        EXPECT_EQ(h.PileAt(WasteAt).Top()->FaceId, c.accepted ? Face(8, Diamonds) : c.held);
        EXPECT_EQ(Corner(h.Find(c.held)->Bounds), Corner(h.PileAt(c.accepted ? c.targetAt : WasteAt).GetRect()));
        EXPECT_EQ(h.Sounds(), QStringList({"UP.WAV", "DOWN.WAV"}));
    }
}

TEST(CanfieldRules, TableauPileMovesAsAWholeAndTheReserveRefillsItsPlace)
{
    TableHarness h;
    StartGame(h, GameId::Canfield);
    h.SweepToStock();
    DumpStockOn(h, h.PileAt(4));
    const int c4 = Face(4, Clubs), h9 = Face(9, Hearts), s10 = Face(10, Spades);
    Lay(h, h.PileAt(ReserveAt), {Face(2, Hearts), Face(Jack, Diamonds)});
    Lay(h, h.PileAt(5), {c4, Face(Queen, Spades), h9});
    Lay(h, h.PileAt(6), {Face(3, Clubs), s10});
    h.Redraw();

    // While the top card is dragged, the rest of its pile is lifted too.
    const QPoint grab = h.TopCardCentre(5);
    const Rect target = h.PileAt(6).GetRect();
    const QPoint over = grab + QPoint(target.left - h.Find(h9)->Left(), target.top - h.Find(h9)->Top());
    h.Press(grab);
    h.Move(grab.x(), grab.y() - 150, true);
    EXPECT_FALSE(Painted(h, h.Find(c4)));
    EXPECT_EQ(PixelAt(h, grab), TableColour(h)) << "the pile's place shows empty";
    h.Move(over.x(), over.y(), true);
    h.Release(over);
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(RepaintedWhole(h));

    // The Nine lies on the Ten with its old pile beneath it, in order.
    EXPECT_EQ(BottomUp(h.PileAt(6)), (std::vector<int>{Face(3, Clubs), s10, c4, Face(Queen, Spades), h9}));
    for (const Card* card : h.PileAt(6).Cards) {
        EXPECT_EQ(Corner(card->Bounds), Corner(target));
        EXPECT_TRUE(Painted(h, card));
    }
    EXPECT_GT(PaintIndex(h, h.Find(h9)), PaintIndex(h, h.Find(c4))) << "the moved card is painted over its pile";
    // The emptied pile took the reserve's top card at once.
    EXPECT_EQ(BottomUp(h.PileAt(5)), std::vector<int>{Face(Jack, Diamonds)});
    ASSERT_NE(h.PileAt(5).Top(), nullptr);
    EXPECT_EQ(Corner(h.PileAt(5).Top()->Bounds), Corner(h.PileAt(5).GetRect()));
    EXPECT_EQ(BottomUp(h.PileAt(ReserveAt)), std::vector<int>{Face(2, Hearts)});

    // A tableau card never fills a space once the reserve is empty, and it
    // goes back with its pile whole.
    DragTopOnto(h, 5, 7); // the Jack to an empty pile while the reserve still has a card: refused
    EXPECT_EQ(h.PileAt(5).Count(), 1);
    h.Put(Face(2, Hearts), h.PileAt(4)); // the reserve is used up
    h.Redraw();
    DragTopOnto(h, 6, 7);
    EXPECT_EQ(h.PileAt(7).Count(), 0);
    EXPECT_EQ(h.PileAt(6).Count(), 5);
    ASSERT_NE(h.PileAt(6).Top(), nullptr);
    EXPECT_EQ(h.PileAt(6).Top()->FaceId, h9);
    for (const Card* card : h.PileAt(6).Cards)
        EXPECT_TRUE(Painted(h, card)) << "a refused pile is whole again at once";
}

TEST(CanfieldRules, LastTableauCardToAFoundationIsReplacedFromTheReserve)
{
    TableHarness h;
    StartGame(h, GameId::Canfield);
    h.SweepToStock();
    DumpStockOn(h, h.PileAt(4));
    Canfield(h).BaseRank = 7;
    Lay(h, h.PileAt(ReserveAt), {Face(2, Hearts), Face(Jack, Diamonds)});
    Lay(h, h.PileAt(6), {Face(7, Clubs)});
    h.Redraw();

    DragTopOnto(h, 6, 3);
    EXPECT_EQ(BottomUp(h.PileAt(3)), std::vector<int>{Face(7, Clubs)});
    EXPECT_EQ(BottomUp(h.PileAt(6)), std::vector<int>{Face(Jack, Diamonds)});
    ASSERT_NE(h.PileAt(6).Top(), nullptr);
    EXPECT_EQ(Corner(h.PileAt(6).Top()->Bounds), Corner(h.PileAt(6).GetRect()));
    EXPECT_EQ(BottomUp(h.PileAt(ReserveAt)), std::vector<int>{Face(2, Hearts)});
}

TEST(CanfieldStock, DealsThreeAtATimeAndTurnsTheWasteBackInOrder)
{
    TableHarness h({800, 600}, {17, 3, 58});
    StartGame(h, GameId::Canfield);
    const std::vector<int> order = DealOrder();
    const Pile& waste = h.PileAt(WasteAt);
    const QPoint stockCentre = TableHarness::CentreOf(h.Game().Stock.GetRect());
    EXPECT_NE(PixelAt(h, stockCentre), TableColour(h)) << "a back shows on the stock's place";

    h.ClearSounds();
    ClickStock(h);
    EXPECT_EQ(BottomUp(waste), Slice(order, 18, 3));
    EXPECT_EQ(h.Game().Stock.Count(), 31);
    EXPECT_EQ(h.Sounds(), QStringList{"UP.WAV"});
    for (int click = 2; click <= 12; ++click)
        ClickStock(h);
    EXPECT_EQ(BottomUp(waste), Slice(order, 18, 34)) << "the twelfth click deals the one card left";
    EXPECT_EQ(h.Game().Stock.Count(), 0);
    EXPECT_EQ(PixelAt(h, stockCentre), TableColour(h)) << "the empty stock shows an outline";

    h.ClearSounds();
    ClickStock(h);
    EXPECT_EQ(waste.Count(), 0);
    EXPECT_EQ(h.Game().Stock.Count(), 34);
    EXPECT_EQ(h.Sounds(), QStringList{"SHUFFLE.WAV"});
    EXPECT_EQ(h.Table().PaintList.Count(), 18) << "turned-back cards leave the paint order";
    EXPECT_NE(PixelAt(h, stockCentre), TableColour(h));

    ClickStock(h);
    EXPECT_EQ(BottomUp(waste), Slice(order, 18, 3)) << "every pass deals in the same order";

    // With the stock and the waste both empty a click only plays the shuffle.
    h.SweepToStock();
    DumpStockOn(h, h.PileAt(4));
    h.Redraw();
    h.ClearSounds();
    ClickStock(h);
    EXPECT_EQ(h.Game().Stock.Count(), 0);
    EXPECT_EQ(waste.Count(), 0);
    EXPECT_EQ(h.Sounds(), QStringList{"SHUFFLE.WAV"});
}

TEST(CanfieldWin, LastCardHomeStartsTheDance)
{
    TableHarness h;
    StartGame(h, GameId::Canfield);
    const int base = Canfield(h).BaseRank;
    h.SweepToStock();
    const int suits[] = {Clubs, Diamonds, Hearts, Spades};
    int last = 0;
    for (int f = 0; f < 4; ++f) {
        for (int n = 0; n < 13; ++n) {
            const int face = Face((base - 1 + n) % 13 + 1, suits[f]);
            if (f == 3 && n == 12)
                last = face; // the final card waits in the waste
            else
                h.Put(face, h.PileAt(FoundationAt + f));
        }
    }
    h.Put(last, h.PileAt(WasteAt));
    h.Redraw();
    ASSERT_EQ(h.Game().Stock.Count(), 0);

    DragTopOnto(h, WasteAt, FoundationAt + 3);
    EXPECT_EQ(h.PileAt(FoundationAt + 3).Count(), 13);
    EXPECT_EQ(h.Game().Won, 1);
    EXPECT_TRUE(h.View().TimerRunning());
    std::vector<Rect> before;
    for (const Card* card : h.Table().PaintList)
        before.push_back(card->Bounds);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(h.Tick());
    int moved = 0, i = 0;
    for (const Card* card : h.Table().PaintList) {
        moved += card->Bounds != before[std::size_t(i++)] ? 1 : 0;
        EXPECT_TRUE(h.Table().ClientRect().United(card->Bounds) == h.Table().ClientRect()) << "inside the window";
    }
    EXPECT_GT(moved, 0) << "the cards dance";
}

} // namespace
} // namespace quenby::test::gamesa
