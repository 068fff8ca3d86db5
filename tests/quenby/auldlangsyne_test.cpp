// Auld Lang Syne through the real view: the Aces taken from the stock in
// order, the four-card stock deal, foundations built regardless of suit and
// a win.
#include "games_b_moves.h"

namespace quenby::test {
namespace {

constexpr int Foundation1 = 0, Tableau1 = 4, Tableau2 = 5;

using AuldLangSyne = GameTest<GameId::AuldLangSyne>;

TEST_F(AuldLangSyne, TheAcesStartTheFoundationsInStockOrderAnd48CardsRemain)
{
    const auto [aces, rest] = SplitAtAces(DealOrder());

    ASSERT_EQ(h.PileCount(), 8);
    const QPoint places[8] = {{250, 200}, {325, 200}, {404, 200}, {480, 200},
                              {250, 305}, {325, 305}, {404, 305}, {480, 305}};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const Pile& pile = h.PileAt(i);
        EXPECT_EQ(pile.PileKind, i < 4 ? 100 : 300);
        EXPECT_EQ(pile.GetRect(), Rect::At(places[i].x(), places[i].y(), 71, 96));
        if (i < 4) {
            EXPECT_EQ(BottomUp(pile), std::vector<int>{aces[std::size_t(i)]});
            EXPECT_EQ(pile.Top()->ImageId, pile.Top()->FaceId);
            EXPECT_EQ(pile.Top()->Bounds, pile.GetRect());
        } else {
            EXPECT_EQ(pile.Count(), 0);
        }
    }
    EXPECT_EQ(FacesOf(h.Game().Stock.Cards), rest);
    EXPECT_EQ(h.Game().Stock.GetRect(), Rect::At(170, 305, 71, 96));
    EXPECT_EQ(h.Table().PaintList.Count(), 4);
    EXPECT_TRUE(h.Invariants());

    Resize(h, 700, 500);
    EXPECT_EQ(h.PileAt(Foundation1 + 3).Top()->Bounds, Rect::At(430, 150, 71, 96));
    EXPECT_EQ(h.PileAt(Tableau1).GetRect(), Rect::At(200, 255, 71, 96));
    EXPECT_EQ(h.Game().Stock.GetRect(), Rect::At(120, 255, 71, 96));
}

TEST_F(AuldLangSyne, EachStockClickDealsOneCardToEachTableauPileTwelveTimes)
{
    const std::vector<int> rest = SplitAtAces(DealOrder()).rest;
    h.ClearSounds();

    for (int deal = 0; deal < 12; ++deal)
        ClickStock(h);
    for (int t = 0; t < 4; ++t) {
        SCOPED_TRACE(t);
        const Pile& pile = h.PileAt(Tableau1 + t);
        std::vector<int> expected;
        for (int deal = 0; deal < 12; ++deal)
            expected.push_back(rest[std::size_t(4 * deal + t)]);
        EXPECT_EQ(BottomUp(pile), expected);
        for (const Card* card : pile.Cards) {
            EXPECT_EQ(card->ImageId, card->FaceId);
            EXPECT_EQ(card->Bounds, pile.GetRect());
        }
    }
    EXPECT_EQ(h.Game().Stock.Count(), 0);
    EXPECT_EQ(h.Sounds(), QStringList(12, "UP.WAV"));
    EXPECT_EQ(h.Table().PaintList.Last(), h.PileAt(Tableau1 + 3).Top());

    // No redeal: the empty stock gives nothing and plays nothing.
    h.ClearSounds();
    ClickStock(h);
    EXPECT_TRUE(h.Sounds().isEmpty());
    EXPECT_EQ(h.PileAt(Tableau1).Count(), 12);
    EXPECT_TRUE(h.HeldCards().empty());
}

TEST_F(AuldLangSyne, FoundationsBuildUpByOneWhateverTheSuit)
{
    // Foundation 1: the Ace of hearts; 2: Ace of clubs and Two of diamonds;
    // 3: every spade, complete with its King. Tableau 2 holds the Nine of clubs.
    const DropCase cases[] = {
        {"Two of clubs on the Ace of hearts", 2, Clubs, Foundation1, true},
        {"Two of hearts on the Ace of hearts", 2, Hearts, Foundation1, true},
        {"Three on an Ace refused", 3, Clubs, Foundation1, false},
        {"Three of hearts on the Two of diamonds", 3, Hearts, Foundation1 + 1, true},
        {"Two on a Two refused", 2, Hearts, Foundation1 + 1, false},
        {"Nothing on a complete foundation", 12, Hearts, Foundation1 + 2, false},
        {"Eight on a tableau pile refused", 8, Hearts, Tableau2, false},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.rule);
        h.Start(GameId::AuldLangSyne);
        for (int f = 0; f < 4; ++f)
            Clear(h, h.PileAt(Foundation1 + f));
        Lay(h, h.PileAt(Foundation1), {Face(1, Hearts)});
        Lay(h, h.PileAt(Foundation1 + 1), {Face(1, Clubs), Face(2, Diamonds)});
        for (int rank = 1; rank <= 13; ++rank)
            h.Put(Face(rank, Spades), h.PileAt(Foundation1 + 2));
        h.Put(Face(9, Clubs), h.PileAt(Tableau2));
        Card* card = h.Put(Face(c.rank, c.suit), h.PileAt(Tableau1));
        h.Redraw();
        const int before = h.PileAt(c.pile).Count();

        DragTopOnto(h, Tableau1, c.pile);

        if (c.accepted) {
            EXPECT_EQ(h.PileAt(c.pile).Top(), card);
            EXPECT_EQ(card->Bounds, h.PileAt(c.pile).GetRect());
            EXPECT_EQ(h.PileAt(Tableau1).Count(), 0);
        } else {
            EXPECT_EQ(h.PileAt(Tableau1).Top(), card);
            EXPECT_EQ(card->Bounds, h.PileAt(Tableau1).GetRect());
            EXPECT_EQ(h.PileAt(c.pile).Count(), before);
        }
    }
}

TEST_F(AuldLangSyne, LastCardHomeWinsAndStartsTheDance)
{
    LayAllButTheLastKing(h, Foundation1);
    h.Put(Face(13, Spades), h.PileAt(Tableau1 + 2));
    h.Redraw();
    ASSERT_EQ(h.Game().Stock.Count(), 0);

    // Refused first on a King, then home on the Queen.
    DragTopOnto(h, Tableau1 + 2, Foundation1 + 2);
    EXPECT_EQ(h.Game().Won, 0);
    DragTopOnto(h, Tableau1 + 2, Foundation1 + 3);
    EXPECT_EQ(h.Game().Won, 1);
    EXPECT_TRUE(Dances(h, *h.PileAt(Foundation1).Top(), 10));
}

} // namespace
} // namespace quenby::test
