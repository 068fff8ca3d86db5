// Osmosis: four reserves of four, four foundation rows fanned to the right,
// and a three-card stock with as many passes as the player likes.
#include "osmosis.h"

#include "frame.h"

#include <table/tablestate.h>

namespace quenby {

namespace {

// ---- Piles and positions ---------------------------------------------------

enum OsmosisKind : int { RowKind = FoundationKind, WasteKind = 200, ReserveKind = 500 };

// Creation order: the four rows, row 1 at the top, then the four reserves at
// the rows' heights, then the waste.
constexpr Place Places[] = {
    {4, -200},   {4, -99},   {4, 2},   {4, 103},
    {-75, -200}, {-75, -99}, {-75, 2}, {-75, 103},
    {-160, -99},
};
constexpr Place StockPlace = {-160, 2};

constexpr int ReserveDepth = 4;

void FanRowIfRow(Pile& pile)
{
    if (pile.PileKind == RowKind)
        pile.FanRight();
}

// The row `number` (1 = top) from the game's own list; null when absent.
const Pile* RowNumbered(const PileRefList& rows, int number)
{
    for (const Pile* row : rows)
        if (row->PileNumber == number)
            return row;
    return nullptr;
}

} // namespace

// ---- Deal ------------------------------------------------------------------

void OsmosisGame::Deal(TableState& table)
{
    const auto rows = AddPiles<4>(table, RowKind);
    int number = 1;
    for (Pile* row : rows) {
        row->PileNumber = number++;
        FoundationList.AddTail(row);
    }
    const auto reserves = AddPiles<4>(table, ReserveKind);
    AddPile(table, WasteKind);

    // The first card fixes row 1's suit and the rank every later row starts with.
    DealTo(table, *rows[0]);
    for (Pile* reserve : reserves)
        for (int n = 0; n < ReserveDepth; ++n)
            DealTo(table, *reserve);
    Relayout(table);
}

// ---- Relayout --------------------------------------------------------------

void OsmosisGame::Relayout(TableState& table)
{
    PlacePiles(table, Places);
    for (Pile* pile : table.GameTable.Piles)
        FanRowIfRow(*pile);
    PlaceStock(table, StockPlace);
}

// ---- Pick-up ---------------------------------------------------------------

void OsmosisGame::PickUp(TableState& table, int x, int y)
{
    if (ReturnIfHeld(table, Held, FanRowIfRow))
        return;
    if (table.GameTable.Stock.GetRect().Contains(x, y)) {
        DealThreeOrTurnBack(table, *table.GameTable.Piles.Last());
        return;
    }
    // Row cards never move: only the waste and the reserves give cards.
    HoldTopAt(table, Held, x, y, [](const Pile& pile) { return pile.PileKind != RowKind; });
}

// ---- Drag ------------------------------------------------------------------

void OsmosisGame::Drag(TableState& table, int x, int y)
{
    DragHeld(table, Held, x, y);
}

// ---- Drop ------------------------------------------------------------------

void OsmosisGame::Drop(TableState& table, int, int)
{
    if (!Held)
        return;
    const Pile& from = *Held->ReturnPile;
    Pile* target = DropHeld(
        table, Held, [this, &table](const Pile& pile) { return pile.PileKind == RowKind && Accepts(table, pile); },
        FanRowIfRow);
    if (!target)
        return;
    table.DirtyRect.Unite(from.GetRect());
    // The newest card of a row lies rightmost, the row's area reaching to it.
    target->FanRight();
    table.DirtyRect.Unite(target->GetRect());
}

// ---- Acceptance test -------------------------------------------------------

bool OsmosisGame::Accepts(const TableState&, const Pile& pile) const
{
    if (!Held || pile.PileKind != RowKind)
        return false;
    const Card& card = *Held;
    if (pile.PileNumber == 1)
        return pile.Bottom() && card.Suit == pile.Bottom()->Suit;

    // Every later row follows the row above it: it starts with the rank that
    // started that row, and takes a card only once its rank lies there.
    const Pile* above = RowNumbered(FoundationList, pile.PileNumber - 1);
    if (!above || !above->Bottom())
        return false;
    if (!pile.Top())
        return card.Rank == above->Bottom()->Rank;
    if (card.Suit != pile.Top()->Suit)
        return false;
    for (const Card* c : above->Cards)
        if (c->Rank == card.Rank)
            return true;
    return false;
}

} // namespace quenby
