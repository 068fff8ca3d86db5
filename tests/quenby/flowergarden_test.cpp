// Flower Garden through the real view: the deal, cards taken from the middle
// of the bouquet by their strips, the bed and foundation rules and a win.
#include "games_b_moves.h"

namespace quenby::test {
namespace {

constexpr int Foundation1 = 0, Foundation2 = 1, Bed1 = 4, Bed2 = 5, Bed3 = 6, Bouquet = 10;

struct FlowerGarden : GameTest<GameId::FlowerGarden> {
    void Settle()
    {
        h.PileAt(Bouquet).FanRight();
        h.Redraw();
        h.ClearSounds();
    }
};

std::vector<int> Lefts(const Pile& pile)
{
    std::vector<int> lefts;
    for (const Card* card : pile.Cards)
        lefts.insert(lefts.begin(), card->Left());
    return lefts;
}

TEST_F(FlowerGarden, DealsSixBedsOfSixAndASpreadBouquetOfSixteen)
{
    const std::vector<int> deck = DealOrder();
    ASSERT_EQ(h.PileCount(), 11);
    const int kinds[11] = {100, 100, 100, 100, 500, 500, 500, 500, 500, 500, 200};
    const QPoint places[10] = {{251, 150}, {327, 150}, {403, 150}, {479, 150}, {175, 252},
                               {251, 252}, {327, 252}, {403, 252}, {479, 252}, {555, 252}};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        const Pile& pile = h.PileAt(i);
        EXPECT_EQ(pile.PileKind, kinds[i]);
        if (i < 10) {
            EXPECT_EQ(pile.GetRect(), Rect::At(places[i].x(), places[i].y(), 71, 96));
        }
        for (const Card* card : pile.Cards)
            EXPECT_EQ(card->ImageId, card->FaceId) << "the whole deck is dealt face up";
    }
    for (int b = 0; b < 6; ++b)
        EXPECT_EQ(BottomUp(h.PileAt(Bed1 + b)), std::vector<int>(deck.begin() + 6 * b, deck.begin() + 6 * b + 6));
    EXPECT_EQ(BottomUp(h.PileAt(Bouquet)), std::vector<int>(deck.begin() + 36, deck.end()));
    EXPECT_EQ(h.Game().Stock.Count(), 0);

    // The bouquet: bottom card on its place, each card 20 pixels further right.
    std::vector<int> lefts;
    for (int k = 0; k < 16; ++k)
        lefts.push_back(215 + 20 * k);
    EXPECT_EQ(Lefts(h.PileAt(Bouquet)), lefts);
    EXPECT_EQ(h.PileAt(Bouquet).GetRect(), (Rect{215, 353, 515 + 71, 449}));
    EXPECT_EQ(h.Table().PaintList.Last(), h.PileAt(Bouquet).Top());
    EXPECT_TRUE(h.Invariants());

    Resize(h, 1000, 700);
    EXPECT_EQ(h.PileAt(Bouquet).Bottom()->Left(), 315);
    EXPECT_EQ(h.PileAt(Bouquet).Top()->Bounds, Rect::At(615, 403, 71, 96));
    EXPECT_EQ(h.PileAt(Bed1 + 5).GetRect(), Rect::At(655, 302, 71, 96));
}

TEST_F(FlowerGarden, ABouquetCardIsTakenByItsStripAndARefusedOneGoesToTheRightEnd)
{
    // x of the press -> the card held, counted from the bouquet's bottom.
    const std::pair<int, int> presses[] = {{215, 0}, {234, 0}, {235, 1}, {320, 5}, {514, 14}, {515, 15}, {585, 15}};
    for (const auto& [x, index] : presses) {
        SCOPED_TRACE(x);
        h.Start(GameId::FlowerGarden);
        h.ClearSounds();
        const std::vector<int> faces = BottomUp(h.PileAt(Bouquet));

        h.Press(x, 400);
        const std::vector<Card*> held = h.HeldCards();
        ASSERT_EQ(held.size(), 1u);
        EXPECT_EQ(held[0]->FaceId, faces[std::size_t(index)]);
        // The cards to its right close the gap.
        std::vector<int> lefts;
        for (int k = 0; k < 15; ++k)
            lefts.push_back(215 + 20 * k);
        EXPECT_EQ(Lefts(h.PileAt(Bouquet)), lefts);
        EXPECT_TRUE(RepaintedWhole(h));

        // Dropped on bare table: back to the bouquet, as its rightmost card.
        const Card& card = *held[0];
        h.Move(x, 550, true);
        h.Release(x, 550);
        EXPECT_TRUE(h.Invariants());
        EXPECT_TRUE(RepaintedWhole(h));
        std::vector<int> after = faces;
        after.erase(after.begin() + index);
        after.push_back(faces[std::size_t(index)]);
        EXPECT_EQ(BottomUp(h.PileAt(Bouquet)), after);
        EXPECT_EQ(card.Bounds, Rect::At(515, 353, 71, 96));
        EXPECT_EQ(h.Sounds(), (QStringList{"UP.WAV", "DOWN.WAV"}));
    }
}

TEST_F(FlowerGarden, BedsBuildDownAnySuitAndWrapFoundationsBuildUpBySuit)
{
    // Bed 1 shows the Ace of clubs, bed 2 the Seven of diamonds, bed 3 is
    // empty; foundation 2 holds spades to the Three.
    const DropCase cases[] = {
        {"King on an Ace in a bed", 13, Hearts, Bed1, true},
        {"Queen on an Ace in a bed refused", 12, Hearts, Bed1, false},
        {"Six of the same suit on a Seven", 6, Diamonds, Bed2, true},
        {"Six of the other colour on a Seven", 6, Spades, Bed2, true},
        {"Eight on a Seven refused", 8, Clubs, Bed2, false},
        {"Any card to an empty bed", 9, Clubs, Bed3, true},
        {"Ace to an empty foundation", 1, Hearts, Foundation1, true},
        {"Two to an empty foundation refused", 2, Hearts, Foundation1, false},
        {"Four of spades on the Three of spades", 4, Spades, Foundation2, true},
        {"Four of hearts on the Three of spades refused", 4, Hearts, Foundation2, false},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.rule);
        h.Start(GameId::FlowerGarden);
        h.Put(Face(1, Clubs), h.PileAt(Bed1));
        h.Put(Face(7, Diamonds), h.PileAt(Bed2));
        Clear(h, h.PileAt(Bed3));
        Lay(h, h.PileAt(Foundation2), {Face(1, Spades), Face(2, Spades), Face(3, Spades)});
        Card* card = h.Put(Face(c.rank, c.suit), h.PileAt(Bouquet));
        Settle();
        const int before = h.PileAt(c.pile).Count();

        DragTopOnto(h, Bouquet, c.pile);

        if (c.accepted) {
            EXPECT_EQ(h.PileAt(c.pile).Top(), card);
            EXPECT_EQ(card->Bounds, h.PileAt(c.pile).GetRect());
        } else {
            EXPECT_EQ(h.PileAt(Bouquet).Top(), card);
            EXPECT_EQ(h.PileAt(c.pile).Count(), before);
        }
    }
}

TEST_F(FlowerGarden, BedCardsMoveToEmptyBedsAndFoundationCardsStay)
{
    Clear(h, h.PileAt(Bed3));
    Card* seven = h.Put(Face(7, Diamonds), h.PileAt(Bed2));
    h.Put(Face(1, Hearts), h.PileAt(Foundation1));
    Settle();

    DragTopOnto(h, Bed2, Bed3);
    EXPECT_EQ(h.PileAt(Bed3).Top(), seven);

    // Refused on a foundation: back on top of its bed.
    DragTopOnto(h, Bed3, Foundation1);
    EXPECT_EQ(h.PileAt(Bed3).Top(), seven);
    EXPECT_EQ(seven->Bounds, h.PileAt(Bed3).GetRect());

    h.ClearSounds();
    h.Press(h.TopCardCentre(Foundation1));
    EXPECT_TRUE(h.HeldCards().empty());
    EXPECT_TRUE(h.Sounds().isEmpty());
}

TEST_F(FlowerGarden, ACardFittingAFoundationAndABedGoesByTheGreaterOverlap)
{
    // The Two of hearts fits the Ace of hearts on foundation 1 and the Three
    // of clubs on bed 2 below it; the two places are 6 pixels apart.
    const std::pair<int, int> drops[] = {
        {201, Foundation1}, // 45 pixels of each: the earlier pile keeps it
        {199, Foundation1}, // taller over the foundation
        {203, Bed2},        // taller over the bed
    };
    for (const auto& [top, winner] : drops) {
        SCOPED_TRACE(top);
        h.Start(GameId::FlowerGarden);
        h.Put(Face(1, Hearts), h.PileAt(Foundation1));
        h.Put(Face(3, Clubs), h.PileAt(Bed2));
        Card* two = h.Put(Face(2, Hearts), h.PileAt(Bouquet));
        Settle();
        DragCardOnto(h, TableHarness::CentreOf(two->Bounds), *two, Rect::At(251, top, 71, 96));
        EXPECT_EQ(h.PileAt(winner).Top(), two);
    }
}

TEST_F(FlowerGarden, ACardReleasedOutsideTheWindowGoesBackOnTheNextPress)
{
    const std::vector<int> faces = BottomUp(h.PileAt(Bouquet));
    h.ClearSounds();
    h.Press(240, 400); // the second card's strip
    h.Move(240, 100, true);
    h.Release(900, 100); // outside the view: no drop is seen
    ASSERT_EQ(h.HeldCards().size(), 1u);

    h.Press(h.TopCardCentre(Bed1));
    EXPECT_TRUE(h.HeldCards().empty()) << "the press only returns the held card";
    EXPECT_EQ(h.PileAt(Bed1).Count(), 6);
    EXPECT_EQ(h.PileAt(Bouquet).Top()->FaceId, faces[1]);
    EXPECT_EQ(h.PileAt(Bouquet).Top()->Bounds, Rect::At(515, 353, 71, 96));
    EXPECT_EQ(h.Sounds(), (QStringList{"UP.WAV", "DOWN.WAV"}));
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(RepaintedWhole(h));
}

TEST_F(FlowerGarden, LastCardHomeWinsAndStartsTheDance)
{
    LayAllButTheLastKing(h, Foundation1);
    h.Put(Face(13, Spades), h.PileAt(Bed1));
    Settle();

    DragTopOnto(h, Bed1, Foundation1 + 3);
    EXPECT_EQ(h.Game().Won, 1);
    EXPECT_TRUE(Dances(h, *h.PileAt(Foundation1).Top(), 10));

    // A won table ignores the mouse.
    h.ClearSounds();
    h.Press(h.TopCardCentre(Foundation1));
    EXPECT_TRUE(h.HeldCards().empty());
    EXPECT_TRUE(h.Sounds().isEmpty());
}

} // namespace
} // namespace quenby::test
