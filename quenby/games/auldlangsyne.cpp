// Auld Lang Syne: the four Aces start foundations built up regardless of suit;
// each stock click deals one card onto each of four tableau piles.
#include "auldlangsyne.h"

#include "frame.h"

#include <table/tablestate.h>

namespace quenby {

namespace {

// ---- Piles and positions ---------------------------------------------------

enum AuldLangSyneKind : int { FoundationPile = FoundationKind, TableauKind = 300 };

// Each tableau pile lies under the foundation of its column.
constexpr int ColumnDx[4] = {-150, -75, 4, 80};
constexpr int FoundationDy = -100;
constexpr int TableauDy = 5;
constexpr int StockDx = -230, StockDy = 5;

} // namespace

// ---- Deal ------------------------------------------------------------------

void AuldLangSyneGame::Deal(TableState& table)
{
    Pile* foundations[4];
    for (Pile*& foundation : foundations)
        foundation = &AddPile(table, FoundationPile);
    Pile* tableau[4];
    for (Pile*& pile : tableau)
        pile = &AddPile(table, TableauKind);

    // The Aces nearest the stock's top, in order: the shuffle decides the suits.
    for (int i = 0; i < 4; ++i) {
        DealCardTo(table, *foundations[i], table.GameTable.Stock.TakeRank(1));
        PlacePile(table, *foundations[i], ColumnDx[i], FoundationDy);
    }
    for (int i = 0; i < 4; ++i)
        PlacePile(table, *tableau[i], ColumnDx[i], TableauDy);
    PlaceStock(table, StockDx, StockDy);
}

// ---- Relayout --------------------------------------------------------------

void AuldLangSyneGame::Relayout(TableState& table)
{
    int index = 0;
    for (Pile* pile : table.GameTable.Piles) {
        PlacePile(table, *pile, ColumnDx[index % 4], index < 4 ? FoundationDy : TableauDy);
        ++index;
    }
    PlaceStock(table, StockDx, StockDy);
}

// ---- Pick-up ---------------------------------------------------------------

void AuldLangSyneGame::PickUp(TableState& table, int x, int y)
{
    if (Held) {
        ReturnHeld(table, Held);
        return;
    }
    if (table.GameTable.Stock.GetRect().Contains(x, y)) {
        // One card onto each tableau pile: the 48 cards make twelve deals.
        if (table.GameTable.Stock.Count() > 0)
            table.PlaySound("UP.WAV");
        for (Pile* pile : table.GameTable.Piles)
            if (pile->PileKind == TableauKind && !DealTo(table, *pile))
                break;
        EndStockClick(table);
        return;
    }
    for (Pile* pile : table.GameTable.Piles) {
        if (pile->PileKind != TableauKind || !pile->GetRect().Contains(x, y))
            continue;
        if (HoldTop(table, *pile, Held, x, y))
            return;
    }
}

// ---- Drag ------------------------------------------------------------------

void AuldLangSyneGame::Drag(TableState& table, int x, int y)
{
    if (Held)
        DragHeld(table, *Held, x, y);
}

// ---- Drop ------------------------------------------------------------------

void AuldLangSyneGame::Drop(TableState& table, int, int)
{
    if (!Held)
        return;
    // Cards go only to the foundations: never from one tableau pile to another.
    Pile* target = FindDropTarget(table, Held->Bounds, [this, &table](const Pile& pile) {
        return pile.PileKind == FoundationPile && Accepts(table, pile);
    });
    if (target)
        PlaceHeld(table, Held, *target);
    else
        ReturnHeld(table, Held);
}

// ---- Acceptance test -------------------------------------------------------

bool AuldLangSyneGame::Accepts(const TableState&, const Pile& pile) const
{
    // Up by one regardless of suit; a foundation is complete with its King.
    return Held && pile.PileKind == FoundationPile && pile.Top() && Held->Rank == pile.Top()->Rank + 1;
}

} // namespace quenby
