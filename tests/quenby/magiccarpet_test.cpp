// Magic Carpet through the real view: the Aces taken in stock order, the
// carpet, the single pass through the stock, spaces filled from the waste
// only, and a win.
#include "games_b_moves.h"

namespace quenby::test {
namespace {

constexpr int Foundation1 = 0, Carpet1 = 4, Waste = 24;

using MagicCarpet = GameTest<GameId::MagicCarpet>;

TEST_F(MagicCarpet, AcesInTheCornersTwentyCarpetCardsAnd28InTheStock)
{
    const auto [aces, rest] = SplitAtAces(DealOrder());

    ASSERT_EQ(h.PileCount(), 25);
    const QPoint corners[4] = {{132, 95}, {601, 95}, {132, 408}, {601, 408}};
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        const Pile& pile = h.PileAt(Foundation1 + f);
        EXPECT_EQ(pile.PileKind, 100);
        EXPECT_EQ(pile.GetRect(), Rect::At(corners[f].x(), corners[f].y(), 71, 96));
        EXPECT_EQ(BottomUp(pile), std::vector<int>{aces[std::size_t(f)]});
    }
    // Row by row from the top, each row left to right.
    for (int j = 0; j < 20; ++j) {
        SCOPED_TRACE(j);
        const Pile& pile = h.PileAt(Carpet1 + j);
        EXPECT_EQ(pile.PileKind, 500);
        EXPECT_EQ(pile.GetRect(), Rect::At(213 + 76 * (j % 5), 100 + 101 * (j / 5), 71, 96));
        EXPECT_EQ(BottomUp(pile), std::vector<int>{rest[std::size_t(j)]});
        EXPECT_EQ(pile.Top()->ImageId, pile.Top()->FaceId);
        EXPECT_EQ(pile.Top()->Bounds, pile.GetRect());
    }
    EXPECT_EQ(h.PileAt(Waste).PileKind, 200);
    EXPECT_EQ(h.PileAt(Waste).GetRect(), Rect::At(122, 201, 71, 96));
    EXPECT_EQ(h.PileAt(Waste).Count(), 0);
    EXPECT_EQ(FacesOf(h.Game().Stock.Cards), std::vector<int>(rest.begin() + 20, rest.end()));
    EXPECT_EQ(h.Game().Stock.GetRect(), Rect::At(122, 302, 71, 96));
    EXPECT_TRUE(h.Invariants());

    Resize(h, 900, 700);
    EXPECT_EQ(h.PileAt(Foundation1 + 3).GetRect(), Rect::At(651, 458, 71, 96));
    EXPECT_EQ(h.PileAt(Carpet1 + 19).Top()->Bounds, Rect::At(567, 453, 71, 96));
    EXPECT_EQ(h.Game().Stock.GetRect(), Rect::At(172, 352, 71, 96));
}

TEST_F(MagicCarpet, TheStockIsTurnedOnceOneCardAtATime)
{
    const std::vector<int> rest = SplitAtAces(DealOrder()).rest;
    h.ClearSounds();

    ClickStock(h);
    EXPECT_EQ(BottomUp(h.PileAt(Waste)), std::vector<int>{rest[20]});
    EXPECT_EQ(h.PileAt(Waste).Top()->Bounds, h.PileAt(Waste).GetRect());
    for (int click = 2; click <= 28; ++click)
        ClickStock(h);
    EXPECT_EQ(h.Game().Stock.Count(), 0);
    EXPECT_EQ(BottomUp(h.PileAt(Waste)), std::vector<int>(rest.begin() + 20, rest.end()));
    EXPECT_EQ(h.Sounds(), QStringList(28, "UP.WAV"));

    // The waste is never turned back.
    h.ClearSounds();
    ClickStock(h);
    EXPECT_EQ(h.PileAt(Waste).Count(), 28);
    EXPECT_EQ(h.Game().Stock.Count(), 0);
    EXPECT_TRUE(h.Sounds().isEmpty());
}

// A card offered from pile `from` to pile `to`.
struct CarpetCase {
    const char* rule;
    int from;
    int rank;
    int suit;
    int to;
    bool accepted;
};

TEST_F(MagicCarpet, OnlyWasteCardsFillSpacesAndFoundationsBuildUpBySuit)
{
    // Carpet 1 is a space, carpet 2 holds the Nine of clubs, foundation 1
    // the hearts to the Two; the card tried lies on the waste or on carpet 3.
    constexpr int Space = Carpet1, Nine = Carpet1 + 1, Carpet3 = Carpet1 + 2;
    const CarpetCase cases[] = {
        {"Waste card fills a carpet space", Waste, 5, Diamonds, Space, true},
        {"Carpet card to a carpet space refused", Carpet3, 5, Diamonds, Space, false},
        {"Waste card on an occupied carpet pile refused", Waste, 8, Clubs, Nine, false},
        {"Carpet card on another carpet card refused", Carpet3, 8, Clubs, Nine, false},
        {"Three of hearts from the waste on the Two of hearts", Waste, 3, Hearts, Foundation1, true},
        {"Three of hearts from the carpet on the Two of hearts", Carpet3, 3, Hearts, Foundation1, true},
        {"Three of clubs on the Two of hearts refused", Carpet3, 3, Clubs, Foundation1, false},
        {"Four of hearts on the Two of hearts refused", Waste, 4, Hearts, Foundation1, false},
    };
    for (const CarpetCase& c : cases) {
        SCOPED_TRACE(c.rule);
        h.Start(GameId::MagicCarpet);
        Clear(h, h.PileAt(Space));
        Clear(h, h.PileAt(Foundation1));
        Lay(h, h.PileAt(Foundation1), {Face(1, Hearts), Face(2, Hearts)});
        h.Put(Face(9, Clubs), h.PileAt(Nine));
        Card* card = h.Put(Face(c.rank, c.suit), h.PileAt(c.from));
        h.Redraw();
        const int before = h.PileAt(c.to).Count();

        DragTopOnto(h, c.from, c.to);

        const Pile& landed = h.PileAt(c.accepted ? c.to : c.from);
        EXPECT_EQ(landed.Top(), card);
        EXPECT_EQ(card->Bounds, landed.GetRect());
        EXPECT_EQ(h.PileAt(c.to).Count(), before + (c.accepted ? 1 : 0));
    }
}

TEST_F(MagicCarpet, AFilledSpacePlaysLikeAnyCarpetCard)
{
    Clear(h, h.PileAt(Carpet1 + 7));
    Clear(h, h.PileAt(Foundation1));
    Lay(h, h.PileAt(Foundation1), {Face(1, Hearts), Face(2, Hearts)});
    Card* three = h.Put(Face(3, Hearts), h.PileAt(Waste));
    h.Redraw();

    DragTopOnto(h, Waste, Carpet1 + 7);
    ASSERT_EQ(h.PileAt(Carpet1 + 7).Top(), three);
    // Now a carpet card: it cannot go back into a space, only home.
    Clear(h, h.PileAt(Carpet1 + 8));
    h.Redraw();
    DragTopOnto(h, Carpet1 + 7, Carpet1 + 8);
    EXPECT_EQ(h.PileAt(Carpet1 + 7).Top(), three);
    DragTopOnto(h, Carpet1 + 7, Foundation1);
    EXPECT_EQ(h.PileAt(Foundation1).Top(), three);
    EXPECT_EQ(h.PileAt(Carpet1 + 7).Count(), 0);

    // Foundation cards never move.
    h.ClearSounds();
    h.Press(h.TopCardCentre(Foundation1));
    EXPECT_TRUE(h.HeldCards().empty());
    EXPECT_TRUE(h.Sounds().isEmpty());
}

TEST_F(MagicCarpet, LastCardHomeWinsAndStartsTheDance)
{
    LayAllButTheLastKing(h, Foundation1);
    h.Put(Face(13, Spades), h.PileAt(Waste));
    h.Redraw();
    ASSERT_EQ(h.Game().Stock.Count(), 0);

    DragTopOnto(h, Waste, Foundation1 + 3);
    EXPECT_EQ(h.Game().Won, 1);
    EXPECT_TRUE(Dances(h, *h.PileAt(Foundation1).Top(), 10));
    for (const Card* card : h.Table().PaintList)
        EXPECT_EQ(h.Table().ClientRect().United(card->Bounds), h.Table().ClientRect());
}

} // namespace
} // namespace quenby::test
