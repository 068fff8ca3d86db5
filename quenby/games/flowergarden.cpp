// Flower Garden: the whole deck dealt at once, six beds of six and a bouquet
// of sixteen whose every card may be played; no stock.
#include "flowergarden.h"

#include "frame.h"

#include <table/tablestate.h>

namespace quenby {

namespace {

// ---- Piles and positions ---------------------------------------------------

enum FlowerGardenKind : int { FoundationPile = FoundationKind, BouquetKind = 200, BedKind = 500 };

// Creation order: four foundations, six beds, the bouquet.
constexpr Place Places[] = {
    {-149, -150}, {-73, -150}, {3, -150}, {79, -150},
    {-225, -48},  {-149, -48}, {-73, -48}, {3, -48}, {79, -48}, {155, -48},
    {-185, 53},
};

constexpr int BedDepth = 6;
// Every bouquet card but the top one shows only this much of its left edge.
constexpr int StripWidth = 20;

// The bouquet is the last pile created.
Pile& BouquetOf(TableState& table) { return *table.GameTable.Piles.Last(); }

void FanIfBouquet(Pile& pile)
{
    if (pile.PileKind == BouquetKind)
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

// ---- Deal ------------------------------------------------------------------

void FlowerGardenGame::Deal(TableState& table)
{
    AddPiles<4>(table, FoundationPile);
    const auto beds = AddPiles<6>(table, BedKind);
    Pile& bouquet = AddPile(table, BouquetKind);

    for (Pile* bed : beds)
        for (int n = 0; n < BedDepth; ++n)
            DealTo(table, *bed);
    while (DealTo(table, bouquet)) {
    }
    Relayout(table);
}

// ---- Relayout --------------------------------------------------------------

void FlowerGardenGame::Relayout(TableState& table)
{
    PlacePiles(table, Places);
    BouquetOf(table).FanRight();
}

// ---- Pick-up ---------------------------------------------------------------

void FlowerGardenGame::PickUp(TableState& table, int x, int y)
{
    if (ReturnIfHeld(table, Held, FanIfBouquet))
        return;
    // Foundation cards stay; a bed gives its top card.
    if (HoldTopAt(table, Held, x, y, [](const Pile& pile) { return pile.PileKind == BedKind; }))
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

// ---- Drag ------------------------------------------------------------------

void FlowerGardenGame::Drag(TableState& table, int x, int y)
{
    DragHeld(table, Held, x, y);
}

// ---- Drop ------------------------------------------------------------------

void FlowerGardenGame::Drop(TableState& table, int, int)
{
    DropHeld(
        table, Held, [this, &table](const Pile& pile) { return pile.PileKind != BouquetKind && Accepts(table, pile); },
        FanIfBouquet);
}

// ---- Acceptance test -------------------------------------------------------

bool FlowerGardenGame::Accepts(const TableState&, const Pile& pile) const
{
    if (!Held)
        return false;
    const Card& card = *Held;
    const Card* top = pile.Top();
    switch (pile.PileKind) {
    case FoundationPile:
        return top ? card.Suit == top->Suit && card.Rank == top->Rank + 1 : card.Rank == 1;
    case BedKind:
        // Beds build down regardless of suit and wrap: a King goes on an Ace.
        if (!top)
            return true;
        return card.Rank == top->Rank - 1 || (top->Rank == 1 && card.Rank == 13);
    default:
        return false;
    }
}

} // namespace quenby
