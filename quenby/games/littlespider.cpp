// Little Spider: two rows of four piles with the foundations between them.
// While the stock lasts, a lower-row card may only go to the foundation right
// above it; once it is empty, the upper row builds up or down regardless of suit.
#include "littlespider.h"

#include "frame.h"

#include <table/tablestate.h>

#include <iterator>

namespace quenby {

namespace {

// ---- Piles and positions -------------------------------------------------

constexpr int TableauKind = 500;
constexpr int AceRank = 1;
constexpr int KingRank = 13;

struct Place {
    int kind;
    int number;
    int dx;
    int dy;
};

// Creation order: the foundations (1-4), the upper row (5-8), the lower row
// (9-12); a lower-row pile's number is its foundation's plus 8.
constexpr Place Places[] = {
    {FoundationKind, 1, -150, -48}, {FoundationKind, 2, -75, -48}, {FoundationKind, 3, 4, -48},
    {FoundationKind, 4, 80, -48},   {TableauKind, 5, -150, -149},  {TableauKind, 6, -75, -149},
    {TableauKind, 7, 4, -149},      {TableauKind, 8, 80, -149},    {TableauKind, 9, -150, 53},
    {TableauKind, 10, -75, 53},     {TableauKind, 11, 4, 53},      {TableauKind, 12, 80, 53},
};
constexpr int StockDx = -236;
constexpr int StockDy = -48;

bool InUpperRow(const Pile& pile) { return pile.PileNumber >= 5 && pile.PileNumber <= 8; }
bool InLowerRow(const Pile& pile) { return pile.PileNumber >= 9 && pile.PileNumber <= 12; }

} // namespace

// ---- Deal ----------------------------------------------------------------

void LittleSpiderGame::Deal(TableState& table)
{
    for (const Place& place : Places) {
        Pile& pile = AddPile(table, place.kind);
        pile.PileNumber = place.number;
        if (place.kind == FoundationKind)
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
    int index = 0;
    for (Pile* pile : table.GameTable.Piles) {
        if (index >= int(std::size(Places)))
            break;
        PlacePile(table, *pile, Places[index].dx, Places[index].dy);
        ++index;
    }
    PlaceStock(table, StockDx, StockDy);
}

// ---- Pick-up -------------------------------------------------------------

void LittleSpiderGame::PickUp(TableState& table, int x, int y)
{
    if (Held) {
        ReturnHeld(table, Held);
        return;
    }
    Stock& stock = table.GameTable.Stock;
    if (stock.GetRect().Contains(x, y)) {
        // One card on every tableau pile, upper row then lower row, while the
        // stock lasts: the last of the 44 cards reach the upper row only.
        if (stock.Count() > 0)
            table.PlaySound("UP.WAV");
        for (Pile* pile : table.GameTable.Piles) {
            if (pile->PileKind != TableauKind)
                continue;
            Card* card = stock.TakeTop();
            if (!card)
                break;
            DealCardTo(table, *pile, card);
        }
        EndStockClick(table);
        return;
    }
    // Only tableau cards move; foundation cards stay where they are.
    for (Pile* pile : table.GameTable.Piles) {
        if (pile->PileKind == TableauKind && pile->GetRect().Contains(x, y) && HoldTop(table, *pile, Held, x, y))
            return;
    }
}

// ---- Drag ----------------------------------------------------------------

void LittleSpiderGame::Drag(TableState& table, int x, int y)
{
    if (Held)
        DragHeld(table, *Held, x, y);
}

// ---- Drop ----------------------------------------------------------------

void LittleSpiderGame::Drop(TableState& table, int, int)
{
    if (!Held)
        return;
    Pile* target = FindDropTarget(table, Held->Bounds, [&](const Pile& pile) { return Accepts(table, pile); });
    if (target)
        PlaceHeld(table, Held, *target);
    else
        ReturnHeld(table, Held);
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
