// Auld Lang Syne: the four Aces start foundations built up regardless of suit;
// each stock click deals one card onto each of four tableau piles.
#include "auldlangsyne.h"

#include "frame.h"

#include <table/tablestate.h>

namespace quenby {

namespace {

// ---- Piles and positions ---------------------------------------------------

enum AuldLangSyneKind : int { FoundationPile = FoundationKind, TableauKind = 300 };

// Creation order: four foundations, then four tableau piles, each under the
// foundation of its column.
constexpr Place Places[] = {
    {-150, -100}, {-75, -100}, {4, -100}, {80, -100},
    {-150, 5},    {-75, 5},    {4, 5},    {80, 5},
};
constexpr Place StockPlace = {-230, 5};

} // namespace

// ---- Deal ------------------------------------------------------------------

void AuldLangSyneGame::Deal(TableState& table)
{
    const auto foundations = AddPiles<4>(table, FoundationPile);
    AddPiles<4>(table, TableauKind);

    // The Aces nearest the stock's top, in order: the shuffle decides the suits.
    for (Pile* foundation : foundations)
        DealCardTo(table, *foundation, table.GameTable.Stock.TakeRank(1));
    Relayout(table);
}

// ---- Relayout --------------------------------------------------------------

void AuldLangSyneGame::Relayout(TableState& table)
{
    PlacePiles(table, Places);
    PlaceStock(table, StockPlace);
}

// ---- Pick-up ---------------------------------------------------------------

void AuldLangSyneGame::PickUp(TableState& table, int x, int y)
{
    if (ReturnIfHeld(table, Held))
        return;
    if (table.GameTable.Stock.GetRect().Contains(x, y)) {
        // One card onto each tableau pile: the 48 cards make twelve deals.
        DealToEach(table, [](const Pile& pile) { return pile.PileKind == TableauKind; });
        return;
    }
    HoldTopAt(table, Held, x, y, [](const Pile& pile) { return pile.PileKind == TableauKind; });
}

// ---- Drag ------------------------------------------------------------------

void AuldLangSyneGame::Drag(TableState& table, int x, int y)
{
    DragHeld(table, Held, x, y);
}

// ---- Drop ------------------------------------------------------------------

void AuldLangSyneGame::Drop(TableState& table, int, int)
{
    // Cards go only to the foundations: never from one tableau pile to another.
    DropHeld(table, Held,
             [this, &table](const Pile& pile) { return pile.PileKind == FoundationPile && Accepts(table, pile); });
}

// ---- Acceptance test -------------------------------------------------------

bool AuldLangSyneGame::Accepts(const TableState&, const Pile& pile) const
{
    // Up by one regardless of suit; a foundation is complete with its King.
    return Held && pile.PileKind == FoundationPile && pile.Top() && Held->Rank == pile.Top()->Rank + 1;
}

} // namespace quenby
