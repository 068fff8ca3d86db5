// Flower Garden: the whole deck dealt at once, six beds of six and a bouquet
// of sixteen whose every card may be played; no stock.
#include "flowergarden.h"

#include "frame.h"

namespace quenby {

// ---- Piles and positions ---------------------------------------------------

// The PileKind of each pile role; constexpr, so each file's own.
namespace kind { constexpr int Foundation = FoundationKind, Bouquet = 200, Bed = 500; }

// Four foundations, six beds, the bouquet: its fan has no outline.
constexpr PileEntry Piles[] = {
    {kind::Foundation, {-149, -150}}, {kind::Foundation, {-73, -150}}, //
    {kind::Foundation, {3, -150}},    {kind::Foundation, {79, -150}},  //
    {kind::Bed, {-225, -48}}, {kind::Bed, {-149, -48}}, {kind::Bed, {-73, -48}}, //
    {kind::Bed, {3, -48}},    {kind::Bed, {79, -48}},   {kind::Bed, {155, -48}}, //
    {kind::Bouquet, {-185, 53}, 0, false},
};

namespace {

constexpr int BedDepth = 6;
// Every bouquet card but the top one shows only this much of its left edge.
constexpr int StripWidth = 20;

// The bouquet is the last pile created.
Pile& BouquetOf(TableState& table) { return *table.GameTable.Piles.Last(); }

void FanIfBouquet(Pile& pile)
{
    if (pile.PileKind == kind::Bouquet)
        pile.FanRight();
}

// The bouquet card under (x, y): the top card by its whole face, any other by
// its visible strip. Null when the point meets none.
Card* BouquetCardAt(Pile& bouquet, int x, int y)
{
    for (Card* card : bouquet.Cards) {
        Rect area = card->Bounds;
        if (card != bouquet.Top())
            area.right = area.left + StripWidth;
        if (area.Contains(x, y))
            return card;
    }
    return nullptr;
}

} // namespace

// What the player calls the piles.
constexpr PileRole Roles[] = {
    {QT_TRANSLATE_NOOP("quenby", "Foundation"), 4},
    {QT_TRANSLATE_NOOP("quenby", "Bed"), 6},
    {QT_TRANSLATE_NOOP("quenby", "Bouquet"), 1, Fan::Right},
};

const GameLayout FlowerGardenGame::Layout{Piles, std::nullopt, Roles};

// ---- Deal ------------------------------------------------------------------

void FlowerGardenGame::Deal(TableState& table)
{
    for (Pile* bed : PilesOfKind(table, kind::Bed))
        for (int n = 0; n < BedDepth; ++n)
            DealTo(table, *bed);
    while (DealTo(table, BouquetOf(table))) {
    }
}

// ---- Relayout --------------------------------------------------------------

void FlowerGardenGame::Refan(TableState& table) { BouquetOf(table).FanRight(); }

// ---- Pick-up ---------------------------------------------------------------

void FlowerGardenGame::PickUp(TableState& table, int x, int y)
{
    if (ReturnIfHeld(table, Held, FanIfBouquet))
        return;
    // Foundation cards stay; a bed gives its top card.
    if (HoldTopAt(table, Held, x, y, [](const Pile& pile) { return pile.PileKind == kind::Bed; }))
        return;
    // Any bouquet card may be played: the ones to its right close up.
    Pile& bouquet = BouquetOf(table);
    Card* card = bouquet.GetRect().Contains(x, y) ? BouquetCardAt(bouquet, x, y) : nullptr;
    if (!card)
        return;
    const Rect before = bouquet.GetRect();
    bouquet.Remove(card);
    Hold(table, bouquet, card, Held, x, y);
    bouquet.FanRight();
    table.DirtyRect.Unite(before);
}

// ---- Drop ------------------------------------------------------------------

void FlowerGardenGame::Drop(TableState& table, int, int)
{
    DropHeld(table, Held, [this](const Pile& pile) { return Accepts(pile, *Held); }, FanIfBouquet);
}

// ---- Acceptance test -------------------------------------------------------

// Nothing is laid on the bouquet.
bool FlowerGardenGame::Accepts(const Pile& target, const Card& card)
{
    const Card* top = target.Top();
    switch (target.PileKind) {
    case kind::Foundation:
        return top ? UpInSuit(card, *top) : card.Rank == rank::Ace;
    case kind::Bed:
        // Beds build down regardless of suit and wrap: a King goes on an Ace.
        return !top || OneLowerRoundTheCorner(card, *top);
    default:
        return false;
    }
}

} // namespace quenby
