// Magic Carpet: the Aces start foundations in the four corners, twenty cards
// make a five-by-four carpet, and the stock is turned once onto a waste.
#include "magiccarpet.h"

#include "frame.h"

#include <table/tablestate.h>

namespace quenby {

namespace {

// ---- Piles and positions ---------------------------------------------------

enum MagicCarpetKind : int { FoundationPile = FoundationKind, WasteKind = 200, CarpetKind = 500 };

// Creation order: the foundations in the four corners (top left, top right,
// bottom left, bottom right), the carpet row by row from the top, each row
// left to right, then the waste.
constexpr Place Places[] = {
    {-268, -205}, {201, -205}, {-268, 108}, {201, 108},
    {-187, -200}, {-111, -200}, {-35, -200}, {41, -200}, {117, -200},
    {-187, -99},  {-111, -99},  {-35, -99},  {41, -99},  {117, -99},
    {-187, 2},    {-111, 2},    {-35, 2},    {41, 2},    {117, 2},
    {-187, 103},  {-111, 103},  {-35, 103},  {41, 103},  {117, 103},
    {-278, -99},
};
constexpr Place StockPlace = {-278, 2};
constexpr int CarpetSize = 20;

} // namespace

// ---- Deal ------------------------------------------------------------------

void MagicCarpetGame::Deal(TableState& table)
{
    const auto foundations = AddPiles<4>(table, FoundationPile);
    const auto carpet = AddPiles<CarpetSize>(table, CarpetKind);
    AddPile(table, WasteKind);

    for (Pile* foundation : foundations)
        DealCardTo(table, *foundation, table.GameTable.Stock.TakeRank(1));
    for (Pile* pile : carpet)
        DealTo(table, *pile);
    Relayout(table);
}

// ---- Relayout --------------------------------------------------------------

void MagicCarpetGame::Relayout(TableState& table)
{
    PlacePiles(table, Places);
    PlaceStock(table, StockPlace);
}

// ---- Pick-up ---------------------------------------------------------------

void MagicCarpetGame::PickUp(TableState& table, int x, int y)
{
    if (ReturnIfHeld(table, Held))
        return;
    if (table.GameTable.Stock.GetRect().Contains(x, y)) {
        // One card at a time, one pass: an empty stock gives nothing.
        DealToEach(table, [](const Pile& pile) { return pile.PileKind == WasteKind; });
        return;
    }
    HoldTopAt(table, Held, x, y, [](const Pile& pile) { return pile.PileKind != FoundationPile; });
}

// ---- Drag ------------------------------------------------------------------

void MagicCarpetGame::Drag(TableState& table, int x, int y)
{
    DragHeld(table, Held, x, y);
}

// ---- Drop ------------------------------------------------------------------

void MagicCarpetGame::Drop(TableState& table, int, int)
{
    DropHeld(table, Held, [this, &table](const Pile& pile) { return Accepts(table, pile); });
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
