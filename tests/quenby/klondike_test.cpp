// Klondike through the real view: the deal from a pinned clock, moves made
// with real mouse events, the single stock pass, a lost release, and a win.
#include "harness.h"

#include <table/card.h>

#include <QApplication>

namespace quenby {
namespace {

using test::Face;

// At 800x600 the centre is (400, 300).
constexpr int Foundation1 = 0;
constexpr int Column1 = 4;
constexpr int Waste = 11;
constexpr QPoint StockCentre{137 + 35, 95 + 48};

int ColumnX(int k) { return 400 - 263 + 76 * (k - 1); } // k = 1..7

class KlondikeTest : public ::testing::Test {
protected:
    test::TableHarness table;

    void SetUp() override
    {
        table.Start(GameId::Klondike);
        table.ClearSounds();
    }

    // A clean table: every card in the stock, then the columns given
    // (bottom card first, face down where asked), laid out as a relayout does.
    struct Stack {
        int pile;
        std::vector<std::pair<int, bool>> cards; // (face, face up)
    };
    void Arrange(const std::vector<Stack>& stacks)
    {
        table.SweepToStock();
        for (const Stack& stack : stacks)
            for (auto [face, up] : stack.cards)
                table.Put(face, table.PileAt(stack.pile), up);
        Relayout(table.Table());
        table.Redraw();
    }
    std::vector<int> Faces(int pile) { return test::FacesOf(table.PileAt(pile).Cards); } // top first
    // After every move: every card once, and the picture recomposed through
    // the dirty rectangles equals the table composed whole.
    void CheckTable()
    {
        EXPECT_TRUE(table.Invariants());
        const QImage incremental = table.Composed();
        ASSERT_FALSE(incremental.isNull());
        EXPECT_TRUE(incremental == table.ComposedWhole()) << "a dirty rectangle missed a change";
    }
};

TEST_F(KlondikeTest, DealsTwentyEightCardsFromThePinnedClock)
{
    // The same clock gives the same deck: deal it by hand.
    platform::setFixedLocalTime(platform::LocalTime{12, 0, 0});
    const std::vector<int> order = test::DealOrder();

    ASSERT_EQ(table.PileCount(), 12);
    int next = 0;
    int faceDown = 0;
    for (int k = 1; k <= 7; ++k) {
        Pile& column = table.PileAt(Column1 + k - 1);
        EXPECT_EQ(column.PileKind, 500);
        ASSERT_EQ(column.Count(), k);
        EXPECT_EQ(column.GetRect(), Rect::At(ColumnX(k), 201, 71, 96));
        std::vector<int> expected;
        for (int i = 0; i < k; ++i)
            expected.insert(expected.begin(), order[std::size_t(next++)]);
        EXPECT_EQ(Faces(Column1 + k - 1), expected);
        for (const Card* card : column.Cards) {
            EXPECT_EQ(card->Bounds, Rect::At(ColumnX(k), 201, 71, 96));
            faceDown += card->IsFaceDown(191) ? 1 : 0;
        }
        EXPECT_FALSE(column.Top()->IsFaceDown(191));
    }
    EXPECT_EQ(faceDown, 21);
    EXPECT_EQ(table.Game().Stock.Count(), 24);
    EXPECT_EQ(table.Game().Stock.GetRect(), Rect::At(137, 95, 71, 96));
    EXPECT_EQ(table.Game().Stock.Cards.Head()->FaceId, order[28]);
    EXPECT_EQ(table.PileAt(Waste).GetRect(), Rect::At(213, 95, 71, 96));
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(table.PileAt(f).PileKind, FoundationKind);
        EXPECT_EQ(table.PileAt(f).GetRect(), Rect::At(365 + 76 * f, 95, 71, 96));
    }
    EXPECT_EQ(table.Table().PaintList.Count(), 28);
    EXPECT_EQ(table.Table().PaintList.Last(), table.PileAt(Column1 + 6).Top()); // dealt last, painted on top
    EXPECT_TRUE(table.Invariants());
}

TEST_F(KlondikeTest, TheStockPassesThroughTheWasteOnce)
{
    for (int i = 0; i < 24; ++i) {
        table.Click(StockCentre);
        CheckTable();
    }
    EXPECT_EQ(table.PileAt(Waste).Count(), 24);
    EXPECT_EQ(table.Game().Stock.Count(), 0);
    EXPECT_EQ(table.Sounds(), QStringList(24, QStringLiteral("UP.WAV")));
    EXPECT_EQ(table.PileAt(Waste).Top()->Bounds, Rect::At(213, 95, 71, 96));

    table.ClearSounds();
    table.Click(StockCentre); // empty: no card, no sound, never turned back
    EXPECT_EQ(table.PileAt(Waste).Count(), 24);
    EXPECT_TRUE(table.Sounds().isEmpty());
    CheckTable();
}

TEST_F(KlondikeTest, ADropGoesToTheLegalPileWithTheBestOverlap)
{
    const int nineHearts = Face(9, Hearts);
    Arrange({{Column1 + 1, {{nineHearts, true}}},
             {Column1 + 2, {{Face(10, Spades), true}}},
             {Column1 + 3, {{Face(10, Clubs), true}}},
             {Column1 + 4, {{Face(10, Hearts), true}}}});
    // Grabbed at its centre (offset 35, 48): a release at x + 35 puts the
    // card's left at x. At 327 it overlaps columns 3 and 4 by 33 pixels each:
    // the earlier column keeps it.
    table.DragTo({213 + 35, 249}, {327 + 35, 249});
    EXPECT_EQ(Faces(Column1 + 2), (std::vector<int>{nineHearts, Face(10, Spades)}));
    EXPECT_EQ(table.Sounds(), (QStringList{"UP.WAV", "DOWN.WAV"}));
    CheckTable();

    // One pixel further right, column 4 overlaps wider and wins.
    table.DragTo({289 + 35, 249}, {328 + 35, 249});
    EXPECT_EQ(Faces(Column1 + 3), (std::vector<int>{nineHearts, Face(10, Clubs)}));
    EXPECT_EQ(table.PileAt(Column1 + 3).GetRect(), (Rect{365, 201, 436, 317})); // fanned 20 down
    CheckTable();

    // A red Nine on a red Ten is refused: back to its column, still fanned.
    table.ClearSounds();
    table.DragTo({365 + 35, 221 + 48}, {441 + 35, 249});
    EXPECT_EQ(Faces(Column1 + 3), (std::vector<int>{nineHearts, Face(10, Clubs)}));
    EXPECT_EQ(table.Find(nineHearts)->Bounds, Rect::At(365, 221, 71, 96));
    EXPECT_EQ(table.Sounds(), (QStringList{"UP.WAV", "DOWN.WAV"}));
    CheckTable();
}

TEST_F(KlondikeTest, APressBelowTheTopCardLiftsTheRunAndExposesACard)
{
    const std::vector<int> run{Face(8, Spades), Face(7, Hearts), Face(6, Clubs)};
    Arrange({{Column1 + 1, {{Face(9, Hearts), true}}},
             {Column1 + 4, {{Face(2, Clubs), false}, {Face(5, Diamonds), false}, {run[0], true}, {run[1], true},
                            {run[2], true}}}});
    const int x5 = ColumnX(5);
    EXPECT_EQ(table.PileAt(Column1 + 4).Top()->Top(), 241);
    // Pressed on the Eight (at the column's top), not on the Six: all three go.
    table.Press(x5 + 10, 210);
    ASSERT_EQ(table.HeldCards().size(), 3u);
    EXPECT_EQ(table.PileAt(Column1 + 4).Count(), 2);
    table.Move(300, 300, true);
    table.Move(213 + 10, 230, true);
    // The run stays fanned under the pointer: its top card lowest.
    EXPECT_EQ(table.HeldCards().front()->Bounds, Rect::At(213, 261, 71, 96));
    CheckTable();
    table.Release(213 + 10, 230);
    EXPECT_TRUE(table.HeldCards().empty());
    EXPECT_EQ(Faces(Column1 + 1), (std::vector<int>{run[2], run[1], run[0], Face(9, Hearts)}));
    EXPECT_EQ(table.PileAt(Column1 + 1).Top()->Bounds, Rect::At(213, 261, 71, 96));
    // The Five of diamonds left on top of column 5 is turned up.
    const Card* exposed = table.PileAt(Column1 + 4).Top();
    EXPECT_EQ(exposed->FaceId, Face(5, Diamonds));
    EXPECT_EQ(exposed->ImageId, exposed->FaceId);
    EXPECT_TRUE(table.PileAt(Column1 + 4).Bottom()->IsFaceDown(191));
    CheckTable();

    // A press on the top card lifts it alone; nothing is turned when it comes back.
    table.DragTo({213 + 35, 261 + 48}, {600, 500});
    EXPECT_EQ(Faces(Column1 + 1).size(), 4u);
    EXPECT_EQ(table.PileAt(Column1 + 4).Count(), 2);
    CheckTable();
}

TEST_F(KlondikeTest, OnlyAKingOrAKingsRunTakesAnEmptyColumn)
{
    Arrange({{Column1 + 1, {{Face(12, Hearts), true}}},
             {Column1 + 2, {{Face(4, Spades), false}, {Face(13, Clubs), true}, {Face(12, Diamonds), true}}}});
    const QPoint emptyColumn{ColumnX(1) + 35, 249};
    // A Queen is refused.
    table.DragTo({ColumnX(2) + 35, 249}, emptyColumn);
    EXPECT_EQ(table.PileAt(Column1).Count(), 0);
    EXPECT_EQ(table.PileAt(Column1 + 1).Count(), 1);
    // The King with its Queen goes, pressed on the King (below the top card).
    table.DragTo({ColumnX(3) + 35, 210}, {ColumnX(1) + 35, 210});
    EXPECT_EQ(Faces(Column1), (std::vector<int>{Face(12, Diamonds), Face(13, Clubs)}));
    EXPECT_FALSE(table.PileAt(Column1 + 2).Top()->IsFaceDown(191));
    CheckTable();
}

TEST_F(KlondikeTest, FoundationsTakeSingleCardsUpBySuitAndNeverGiveThemBack)
{
    Arrange({{Column1, {{Face(2, Hearts), true}, {Face(1, Hearts), true}}},
             {Column1 + 1, {{Face(3, Hearts), true}}}});
    const QPoint foundation{365 + 35, 95 + 48};
    // Pressed on the Two (below the top Ace): the run of two is refused.
    table.DragTo({ColumnX(1) + 35, 205}, foundation);
    EXPECT_EQ(table.PileAt(Foundation1).Count(), 0);
    // The Ace alone, then the Two, then the Three.
    table.DragTo({ColumnX(1) + 35, 221 + 48}, foundation);
    table.DragTo({ColumnX(1) + 35, 249}, foundation);
    EXPECT_EQ(table.PileAt(Foundation1).Count(), 2);
    table.DragTo({ColumnX(2) + 35, 249}, {365 + 40, 95 + 50});
    EXPECT_EQ(table.PileAt(Foundation1).Top()->FaceId, Face(3, Hearts));
    CheckTable();
    // A press on a foundation lifts nothing.
    table.ClearSounds();
    table.Press(foundation);
    EXPECT_TRUE(table.HeldCards().empty());
    EXPECT_TRUE(table.Sounds().isEmpty());
    table.Release(foundation);
}

TEST_F(KlondikeTest, ALostReleaseLeavesTheCardHeldUntilTheNextPress)
{
    table.Click(StockCentre);
    const int card = table.PileAt(Waste).Top()->FaceId;
    table.ClearSounds();
    table.Press(213 + 35, 95 + 48);
    table.Move(500, 500, true);
    table.Move(-40, 700, true);    // outside: not seen
    table.Release(-40, 700);       // outside: no drop
    ASSERT_EQ(table.HeldCards().size(), 1u);
    EXPECT_EQ(table.Find(card)->Bounds, Rect::At(465, 452, 71, 96));
    table.Move(600, 400, false);   // back over the view, no button: it follows
    EXPECT_EQ(table.Find(card)->Bounds, Rect::At(565, 352, 71, 96));
    CheckTable();
    table.Press(137 + 35, 95 + 48); // even on the stock: only the return happens
    EXPECT_TRUE(table.HeldCards().empty());
    EXPECT_EQ(table.PileAt(Waste).Top()->FaceId, card);
    EXPECT_EQ(table.Find(card)->Bounds, Rect::At(213, 95, 71, 96));
    EXPECT_EQ(table.Game().Stock.Count(), 23);
    EXPECT_EQ(table.Sounds(), (QStringList{"UP.WAV", "DOWN.WAV"}));
    table.Release(137 + 35, 95 + 48);
    CheckTable();
}

TEST_F(KlondikeTest, SoundOffStartsNoSoundAndAResizeLeavesTheHandWhereItIs)
{
    table.Table().SoundOn = 0;
    table.Start(GameId::Klondike);
    table.Click(StockCentre);
    table.Press(213 + 35, 95 + 48);
    table.Move(400, 400, true);
    table.Release(-5, 400); // lost: the card stays held
    EXPECT_TRUE(table.Sounds().isEmpty());
    const Card* held = table.HeldCards().at(0);
    const Rect before = held->Bounds;
    table.View().resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(held->Bounds, before);
    EXPECT_EQ(table.PileAt(Waste).GetRect(), Rect::At(450 - 187, 350 - 205, 71, 96));
    table.Press(10, 10); // back to the waste at its new place
    EXPECT_EQ(held->Bounds, Rect::At(450 - 187, 350 - 205, 71, 96));
    EXPECT_TRUE(table.Sounds().isEmpty());
    CheckTable();
}

TEST_F(KlondikeTest, TheLastCardHomeWinsAndStartsTheDance)
{
    std::vector<std::pair<int, bool>> spades, hearts, diamonds, clubs;
    for (int rank = 1; rank <= 13; ++rank) {
        spades.push_back({Face(rank, Spades), true});
        hearts.push_back({Face(rank, Hearts), true});
        diamonds.push_back({Face(rank, Diamonds), true});
        if (rank < 13)
            clubs.push_back({Face(rank, Clubs), true});
    }
    Arrange({{0, spades}, {1, hearts}, {2, diamonds}, {3, clubs}, {Column1 + 6, {{Face(13, Clubs), true}}}});
    ASSERT_EQ(table.Game().Stock.Count(), 0);
    table.DragTo({ColumnX(7) + 35, 249}, {593 + 35, 95 + 48});
    EXPECT_EQ(table.Game().Won, 1);
    EXPECT_TRUE(table.View().TimerRunning());
    EXPECT_EQ(table.View().TimerWanted(), 1);
    CheckTable();

    // The mouse is frozen; every tick moves the cards, never out of the view.
    table.ClearSounds();
    table.Press(593 + 35, 95 + 48);
    EXPECT_TRUE(table.HeldCards().empty());
    EXPECT_TRUE(table.Sounds().isEmpty());
    bool moved = false;
    for (int tick = 0; tick < 300; ++tick) {
        ASSERT_TRUE(table.Tick());
        for (const Card* card : table.Table().PaintList) {
            ASSERT_TRUE(table.Table().ClientRect().United(card->Bounds) == table.Table().ClientRect())
                << "card " << card->FaceId << " left the table at tick " << tick;
            moved = moved || card->Bounds != Rect::At(593, 95, 71, 96);
        }
    }
    EXPECT_TRUE(moved);
    CheckTable();

    // A new game ends it.
    table.Start(GameId::Klondike);
    EXPECT_FALSE(table.View().TimerRunning());
    EXPECT_EQ(table.View().TimerWanted(), 0);
    EXPECT_EQ(table.Game().Won, 0);
}

} // namespace
} // namespace quenby
