// Little Spider: two rows of four piles with the foundations between them.
// While the stock lasts, a lower-row card may only go to the foundation right
// above it; once it is empty, the upper row builds up or down regardless of suit.
#include "littlespider.h"

#include "frame.h"

#include <table/tablestate.h>

namespace quenby {

namespace {

// ---- Piles and positions -------------------------------------------------

constexpr int TableauKind = 500;
constexpr int AceRank = 1;
constexpr int KingRank = 13;

// Creation order: the foundations (numbers 1-4), the upper row (5-8), the
// lower row (9-12); a lower-row pile's number is its foundation's plus 8.
constexpr Place Places[] = {
    {-150, -48},  {-75, -48},  {4, -48},  {80, -48},  // foundations
    {-150, -149}, {-75, -149}, {4, -149}, {80, -149}, // upper row
    {-150, 53},   {-75, 53},   {4, 53},   {80, 53},   // lower row
};
constexpr Place StockPlace = {-236, -48};

bool InUpperRow(const Pile& pile) { return pile.PileNumber >= 5 && pile.PileNumber <= 8; }
bool InLowerRow(const Pile& pile) { return pile.PileNumber >= 9 && pile.PileNumber <= 12; }

} // namespace

// ---- Deal ----------------------------------------------------------------

void LittleSpiderGame::Deal(TableState& table)
{
    for (int number = 1; number <= 12; ++number) {
        Pile& pile = AddPile(table, number <= 4 ? FoundationKind : TableauKind);
        pile.PileNumber = number;
        if (pile.PileKind == FoundationKind)
            FoundationList.AddTail(&pile);
    }
    for (Pile* pile : table.GameTable.Piles) {
        if (pile->PileKind == TableauKind)
            DealTo(table, *pile);
    }
    Relayout(table);
}

// ---- Relayout ------------------------------------------------------------

void LittleSpiderGame::Relayout(TableState& table)
{
    PlacePiles(table, Places);
    PlaceStock(table, StockPlace);
}

// ---- Pick-up -------------------------------------------------------------

void LittleSpiderGame::PickUp(TableState& table, int x, int y)
{
    if (ReturnIfHeld(table, Held))
        return;
    if (table.GameTable.Stock.GetRect().Contains(x, y)) {
        // One card on every tableau pile, upper row then lower row, while the
        // stock lasts: the last of the 44 cards reach the upper row only.
        DealToEach(table, [](const Pile& pile) { return pile.PileKind == TableauKind; });
        return;
    }
    // Only tableau cards move; foundation cards stay where they are.
    HoldTopAt(table, Held, x, y, [](const Pile& pile) { return pile.PileKind == TableauKind; });
}

// ---- Drag ----------------------------------------------------------------

void LittleSpiderGame::Drag(TableState& table, int x, int y)
{
    DragHeld(table, Held, x, y);
}

// ---- Drop ----------------------------------------------------------------

void LittleSpiderGame::Drop(TableState& table, int, int)
{
    DropHeld(table, Held, [&](const Pile& pile) { return Accepts(table, pile); });
}

// ---- Acceptance test -----------------------------------------------------

bool LittleSpiderGame::Accepts(const TableState& table, const Pile& pile) const
{
    const Card& held = *Held;
    const Pile& from = *held.ReturnPile;
    const bool stockLasts = table.GameTable.Stock.Count() > 0;
    const Card* top = pile.Top();

    if (pile.PileKind == TableauKind) {
        // Only the upper row is built on, only once the stock is gone, and an
        // emptied pile stays empty.
        if (stockLasts || !InUpperRow(pile) || !top)
            return false;
        // One rank up or down in any suit; Ace and King wrap here only.
        if (top->Rank == AceRank)
            return held.Rank == KingRank;
        if (top->Rank == KingRank)
            return held.Rank == AceRank;
        return held.Rank == top->Rank + 1 || held.Rank == top->Rank - 1;
    }
    if (pile.PileKind != FoundationKind)
        return false;

    // While the stock lasts a lower-row card may build only on the foundation
    // directly above it; starting an empty foundation is not restricted.
    if (stockLasts && InLowerRow(from) && top && from.PileNumber - pile.PileNumber != 8)
        return false;

    if (!top) {
        // Two foundations from Aces of one colour, two from Kings of the other.
        if (held.Rank != AceRank && held.Rank != KingRank)
            return false;
        for (const Pile* foundation : FoundationList) {
            const Card* base = foundation->Bottom();
            if (!base)
                continue;
            const bool objects = base->Rank == held.Rank ? base->IsRed != held.IsRed : base->IsRed == held.IsRed;
            if (objects)
                return false;
        }
        return true;
    }
    if (held.Suit != top->Suit)
        return false;
    // Aces build up to the King, Kings down to the Ace; neither wraps.
    if (pile.Bottom()->Rank == KingRank)
        return held.Rank == top->Rank - 1;
    return held.Rank == top->Rank + 1;
}

} // namespace quenby
