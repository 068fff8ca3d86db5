// Osmosis through the real view: the deal from a pinned clock, the row rules,
// the three-card stock with its turn-back, the reserves and a win.
#include "games_b_moves.h"

namespace quenby::test {
namespace {

constexpr int Row1 = 0, Row2 = 1, Row3 = 2, Row4 = 3, Reserve1 = 4, Waste = 8;

struct Osmosis : GameTest<GameId::Osmosis> {
    // Every row spread as the game spreads it, and the table drawn again.
    void Settle()
    {
        for (int row = Row1; row <= Row4; ++row)
            h.PileAt(row).FanRight();
        h.Redraw();
        h.ClearSounds();
    }
};

TEST_F(Osmosis, DealsOneRowCardFourReservesOfFourAndLeaves35InTheStock)
{
    const std::vector<int> deck = DealOrder();
    ASSERT_EQ(h.PileCount(), 9);
    // 800 by 600: every place is an offset from (400, 300).
    const int kinds[9] = {100, 100, 100, 100, 500, 500, 500, 500, 200};
    const int numbers[9] = {1, 2, 3, 4, 0, 0, 0, 0, 0};
    const QPoint places[9] = {{404, 100}, {404, 201}, {404, 302}, {404, 403}, {325, 100},
                              {325, 201}, {325, 302}, {325, 403}, {240, 201}};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const Pile& pile = h.PileAt(i);
        EXPECT_EQ(pile.PileKind, kinds[i]);
        EXPECT_EQ(pile.PileNumber, numbers[i]);
        EXPECT_EQ(pile.GetRect(), Rect::At(places[i].x(), places[i].y(), 71, 96));
        for (const Card* card : pile.Cards) {
            EXPECT_EQ(card->ImageId, card->FaceId) << "every card is dealt face up";
            EXPECT_EQ(card->Bounds, pile.GetRect()) << "reserves are squared up";
        }
    }
    // The first card starts row 1; the reserves take the next sixteen in turn.
    EXPECT_EQ(BottomUp(h.PileAt(Row1)), std::vector<int>{deck[0]});
    for (int row = Row2; row <= Row4; ++row)
        EXPECT_EQ(h.PileAt(row).Count(), 0);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(BottomUp(h.PileAt(Reserve1 + r)), std::vector<int>(deck.begin() + 1 + 4 * r, deck.begin() + 5 + 4 * r));
    EXPECT_EQ(h.PileAt(Waste).Count(), 0);
    EXPECT_EQ(FacesOf(h.Game().Stock.Cards), std::vector<int>(deck.begin() + 17, deck.end()));
    EXPECT_EQ(h.Game().Stock.GetRect(), Rect::At(240, 302, 71, 96));
    EXPECT_EQ(h.Table().PaintList.Count(), 17);
    EXPECT_EQ(h.Table().PaintList.Last(), h.PileAt(Reserve1 + 3).Top()) << "the last card dealt is painted on top";

    const auto& rows = std::get<OsmosisGame>(h.Game().Game).FoundationList;
    std::vector<Pile*> listed(rows.begin(), rows.end());
    EXPECT_EQ(listed, (std::vector<Pile*>{&h.PileAt(Row1), &h.PileAt(Row2), &h.PileAt(Row3), &h.PileAt(Row4)}));
    EXPECT_TRUE(h.Invariants());
}

TEST_F(Osmosis, ResizeMovesEveryPlaceAndSpreadsTheRowsAgain)
{
    Clear(h, h.PileAt(Row1));
    Lay(h, h.PileAt(Row1), {Face(5, Hearts), Face(9, Hearts), Face(1, Hearts)});
    Resize(h, 1000, 700);
    // The centre is now (500, 350).
    const Pile& row = h.PileAt(Row1);
    EXPECT_EQ(row.GetRect(), (Rect{504, 150, 504 + 40 + 71, 246}));
    const std::vector<int> lefts = {544, 524, 504}; // top card rightmost
    std::vector<int> got;
    for (const Card* card : row.Cards)
        got.push_back(card->Left());
    EXPECT_EQ(got, lefts);
    EXPECT_EQ(h.PileAt(Reserve1 + 3).GetRect(), Rect::At(425, 453, 71, 96));
    EXPECT_EQ(h.PileAt(Waste).GetRect(), Rect::At(340, 251, 71, 96));
    EXPECT_EQ(h.Game().Stock.GetRect(), Rect::At(340, 352, 71, 96));
}

TEST_F(Osmosis, EachRowTakesItsSuitOnlyInRanksOfTheRowAbove)
{
    // Row 1: hearts started by the Five, with the Jack and the Nine; row 2:
    // clubs from the Five; rows 3 and 4 not yet started.
    const DropCase cases[] = {
        {"Row 1 takes a lower card of its suit", 2, Hearts, Row1, true},
        {"Row 1 takes a King of its suit", 13, Hearts, Row1, true},
        {"Row 1 refuses another suit", 9, Clubs, Row1, false},
        {"Row 2 takes its suit in a rank that lies in row 1", 9, Clubs, Row2, true},
        {"Row 2 takes its suit in the rank of a card inside row 1", 11, Clubs, Row2, true},
        {"Row 2 refuses its suit in a rank not yet in row 1", 7, Clubs, Row2, false},
        {"Row 2 refuses another suit in a rank of row 1", 9, Diamonds, Row2, false},
        {"Row 3 starts with the rank that started row 2", 5, Diamonds, Row3, true},
        {"Row 3 refuses to start with another rank", 9, Diamonds, Row3, false},
        {"Row 4 cannot start before row 3", 5, Spades, Row4, false},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.rule);
        TableHarness t;
        StartGame(t, GameId::Osmosis);
        for (int row = Row1; row <= Row4; ++row)
            Clear(t, t.PileAt(row));
        Lay(t, t.PileAt(Row1), {Face(5, Hearts), Face(11, Hearts), Face(9, Hearts)});
        Lay(t, t.PileAt(Row2), {Face(5, Clubs)});
        Card* card = t.Put(Face(c.rank, c.suit), t.PileAt(Waste));
        for (int row = Row1; row <= Row4; ++row)
            t.PileAt(row).FanRight();
        t.Redraw();
        t.ClearSounds();
        const int before = t.PileAt(c.pile).Count();

        DragTopOnto(t, Waste, c.pile);

        const Pile& row = t.PileAt(c.pile);
        if (c.accepted) {
            EXPECT_EQ(row.Top(), card);
            EXPECT_EQ(row.Count(), before + 1);
            // The newest card lies rightmost and the row reaches to it.
            EXPECT_EQ(card->Left(), row.GetRect().left + 20 * before);
            EXPECT_EQ(row.GetRect().right, card->Bounds.right);
        } else {
            EXPECT_EQ(t.PileAt(Waste).Top(), card);
            EXPECT_EQ(card->Bounds, t.PileAt(Waste).GetRect());
            EXPECT_EQ(row.Count(), before);
        }
        EXPECT_EQ(t.Sounds(), (QStringList{"UP.WAV", "DOWN.WAV"}));
    }
}

TEST_F(Osmosis, StockTurnsThreeAtATimeAndTurnsTheWasteBackInTheSameOrder)
{
    const std::vector<int> deck = DealOrder();
    ClickStock(h);
    EXPECT_EQ(BottomUp(h.PileAt(Waste)), std::vector<int>(deck.begin() + 17, deck.begin() + 20));
    EXPECT_EQ(h.PileAt(Waste).Top()->Bounds, h.PileAt(Waste).GetRect());
    EXPECT_EQ(h.Sounds().back(), "UP.WAV");

    for (int click = 2; click <= 12; ++click)
        ClickStock(h);
    EXPECT_EQ(h.Game().Stock.Count(), 0);
    EXPECT_EQ(BottomUp(h.PileAt(Waste)), std::vector<int>(deck.begin() + 17, deck.end()));
    EXPECT_EQ(h.Sounds().count("UP.WAV"), 12);

    h.ClearSounds();
    ClickStock(h);
    EXPECT_EQ(h.PileAt(Waste).Count(), 0);
    EXPECT_EQ(FacesOf(h.Game().Stock.Cards), std::vector<int>(deck.begin() + 17, deck.end()));
    EXPECT_EQ(h.Sounds(), QStringList{"SHUFFLE.WAV"});
    EXPECT_EQ(h.Table().PaintList.Count(), 17) << "turned-back cards are no longer painted";

    // Unlimited passes: the next pass deals the same cards again.
    ClickStock(h);
    EXPECT_EQ(BottomUp(h.PileAt(Waste)), std::vector<int>(deck.begin() + 17, deck.begin() + 20));
}

TEST_F(Osmosis, EmptyStockWithEmptyWasteOnlyShuffles)
{
    DumpStockOn(h, h.PileAt(Row1));
    Settle();
    ClickStock(h);
    EXPECT_EQ(h.Game().Stock.Count(), 0);
    EXPECT_EQ(h.PileAt(Waste).Count(), 0);
    EXPECT_EQ(h.Sounds(), QStringList{"SHUFFLE.WAV"});
}

TEST_F(Osmosis, ReservesPlayFromTheTopDownAndOnlyToTheRows)
{
    for (int row = Row1; row <= Row4; ++row)
        Clear(h, h.PileAt(row));
    Clear(h, h.PileAt(Reserve1));
    Lay(h, h.PileAt(Row1), {Face(5, Hearts)});
    Lay(h, h.PileAt(Reserve1), {Face(2, Hearts), Face(3, Hearts)});
    Card* spade = h.Put(Face(4, Spades), h.PileAt(Waste));
    Settle();

    // A waste card dropped on a reserve goes back: only rows take cards.
    DragTopOnto(h, Waste, Reserve1);
    EXPECT_EQ(h.PileAt(Waste).Top(), spade);
    EXPECT_EQ(h.PileAt(Reserve1).Count(), 2);

    DragTopOnto(h, Reserve1, Row1);
    DragTopOnto(h, Reserve1, Row1);
    EXPECT_EQ(BottomUp(h.PileAt(Row1)), (std::vector<int>{Face(5, Hearts), Face(3, Hearts), Face(2, Hearts)}));
    EXPECT_EQ(h.PileAt(Reserve1).Count(), 0);

    // Neither the empty reserve nor a row card can be picked up.
    h.ClearSounds();
    h.Press(TableHarness::CentreOf(h.PileAt(Reserve1).GetRect()));
    h.Press(TableHarness::CentreOf(h.PileAt(Row1).Top()->Bounds));
    EXPECT_TRUE(h.HeldCards().empty());
    EXPECT_TRUE(h.Sounds().isEmpty());
}

TEST_F(Osmosis, LastCardHomeWinsAndStartsTheDance)
{
    const int suits[4] = {Hearts, Clubs, Diamonds, Spades};
    for (int row = 0; row < 4; ++row) {
        h.Put(Face(5, suits[row]), h.PileAt(row));
        for (int rank = 1; rank <= 13; ++rank)
            if (rank != 5 && !(suits[row] == Spades && rank == 13))
                h.Put(Face(rank, suits[row]), h.PileAt(row));
    }
    h.Put(Face(13, Spades), h.PileAt(Waste));
    Settle();
    ASSERT_EQ(h.Game().Stock.Count(), 0);

    DragTopOnto(h, Waste, Row4);
    EXPECT_EQ(h.PileAt(Row4).Count(), 13);
    EXPECT_EQ(h.Game().Won, 1);
    EXPECT_TRUE(Dances(h, *h.PileAt(Row1).Bottom(), 20)) << "the cards dance";
    for (const Card* card : h.Table().PaintList)
        EXPECT_TRUE(h.Table().ClientRect().United(card->Bounds) == h.Table().ClientRect());
}

} // namespace
} // namespace quenby::test
