// Magic Carpet: the Aces start foundations in the four corners, twenty cards
// make a five-by-four carpet, and the stock is turned once onto a waste.
#include "magiccarpet.h"

#include "frame.h"

#include <table/tablestate.h>

namespace quenby {

namespace {

// ---- Piles and positions ---------------------------------------------------

enum MagicCarpetKind : int { FoundationPile = FoundationKind, WasteKind = 200, CarpetKind = 500 };

// Top left, top right, bottom left, bottom right.
constexpr int FoundationDx[4] = {-268, 201, -268, 201};
constexpr int FoundationDy[4] = {-205, -205, 108, 108};
constexpr int CarpetDx[5] = {-187, -111, -35, 41, 117};
constexpr int CarpetDy[4] = {-200, -99, 2, 103};
constexpr int CarpetSize = 20;
constexpr int WasteDx = -278, WasteDy = -99;
constexpr int StockDx = -278, StockDy = 2;

// Carpet piles are laid row by row from the top, each row left to right.
void PlaceCarpet(TableState& table, Pile& pile, int index)
{
    PlacePile(table, pile, CarpetDx[index % 5], CarpetDy[index / 5]);
}

} // namespace

// ---- Deal ------------------------------------------------------------------

void MagicCarpetGame::Deal(TableState& table)
{
    Pile* foundations[4];
    for (Pile*& foundation : foundations)
        foundation = &AddPile(table, FoundationPile);
    Pile* carpet[CarpetSize];
    for (Pile*& pile : carpet)
        pile = &AddPile(table, CarpetKind);
    Pile& waste = AddPile(table, WasteKind);

    for (int i = 0; i < 4; ++i) {
        DealCardTo(table, *foundations[i], table.GameTable.Stock.TakeRank(1));
        PlacePile(table, *foundations[i], FoundationDx[i], FoundationDy[i]);
    }
    for (int i = 0; i < CarpetSize; ++i) {
        DealTo(table, *carpet[i]);
        PlaceCarpet(table, *carpet[i], i);
    }
    PlacePile(table, waste, WasteDx, WasteDy);
    PlaceStock(table, StockDx, StockDy);
}

// ---- Relayout --------------------------------------------------------------

void MagicCarpetGame::Relayout(TableState& table)
{
    int index = 0;
    for (Pile* pile : table.GameTable.Piles) {
        if (index < 4)
            PlacePile(table, *pile, FoundationDx[index], FoundationDy[index]);
        else if (index < 4 + CarpetSize)
            PlaceCarpet(table, *pile, index - 4);
        else
            PlacePile(table, *pile, WasteDx, WasteDy);
        ++index;
    }
    PlaceStock(table, StockDx, StockDy);
}

// ---- Pick-up ---------------------------------------------------------------

void MagicCarpetGame::PickUp(TableState& table, int x, int y)
{
    if (Held) {
        ReturnHeld(table, Held);
        return;
    }
    if (table.GameTable.Stock.GetRect().Contains(x, y)) {
        // One card at a time, one pass: an empty stock gives nothing.
        if (table.GameTable.Stock.Count() > 0)
            table.PlaySound("UP.WAV");
        DealTo(table, *table.GameTable.Piles.Last());
        EndStockClick(table);
        return;
    }
    for (Pile* pile : table.GameTable.Piles) {
        if (pile->PileKind == FoundationPile || !pile->GetRect().Contains(x, y))
            continue;
        if (HoldTop(table, *pile, Held, x, y))
            return;
    }
}

// ---- Drag ------------------------------------------------------------------

void MagicCarpetGame::Drag(TableState& table, int x, int y)
{
    if (Held)
        DragHeld(table, *Held, x, y);
}

// ---- Drop ------------------------------------------------------------------

void MagicCarpetGame::Drop(TableState& table, int, int)
{
    if (!Held)
        return;
    Pile* target = FindDropTarget(table, Held->Bounds, [this, &table](const Pile& pile) { return Accepts(table, pile); });
    if (target)
        PlaceHeld(table, Held, *target);
    else
        ReturnHeld(table, Held);
}

// ---- Acceptance test -------------------------------------------------------

bool MagicCarpetGame::Accepts(const TableState&, const Pile& pile) const
{
    if (!Held)
        return false;
    const Card* top = pile.Top();
    switch (pile.PileKind) {
    case FoundationPile:
        return top && Held->Suit == top->Suit && Held->Rank == top->Rank + 1;
    case CarpetKind:
        // A space in the carpet is filled from the waste only.
        return !top && Held->ReturnPile && Held->ReturnPile->PileKind == WasteKind;
    default:
        return false;
    }
}

} // namespace quenby
