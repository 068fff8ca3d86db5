// Canfield: a thirteen-card reserve feeds the tableau piles it empties, the
// foundations all start from the rank of the first foundation card and wrap
// King to Ace, and a tableau pile moves as a whole onto another one.
#include "canfield.h"

#include "frame.h"

#include <table/tablestate.h>

namespace quenby {

namespace {

// ---- Piles and positions -------------------------------------------------

constexpr int WasteKind = 200;
constexpr int ReserveKind = 400;
constexpr int TableauKind = 500;

// Creation order: reserve, four foundations, four tableau piles, waste.
constexpr Place Places[] = {
    {-240, -48},                                      // reserve
    {-150, -150}, {-75, -150}, {4, -150}, {80, -150}, // foundations
    {-150, -48},  {-75, -48},  {4, -48},  {80, -48},  // tableau
    {4, 53},                                          // waste
};
constexpr Place StockPlace = {-75, 53};
constexpr int ReserveSize = 13;

// The waste is the last pile created.
Pile& WasteOf(TableState& table) { return *table.GameTable.Piles.Last(); }

// Puts a tableau pile's cards back into the paint order beneath everything:
// they were taken out while its top card was lifted.
void ShowPileAgain(TableState& table, Pile& pile)
{
    pile.HideCards(table.PaintList);
    pile.SendToBack(table.PaintList);
}

} // namespace

// ---- Deal ----------------------------------------------------------------

void CanfieldGame::Deal(TableState& table)
{
    Pile& reserve = AddPile(table, ReserveKind);
    const auto foundations = AddPiles<4>(table, FoundationKind);
    const auto tableau = AddPiles<4>(table, TableauKind);
    AddPile(table, WasteKind);

    // Thirteen to the reserve (the last dealt is its top), one to the first
    // foundation, one to each tableau pile; all face up.
    for (int n = 0; n < ReserveSize; ++n)
        DealTo(table, reserve);
    const Card* base = DealTo(table, *foundations[0]);
    for (Pile* pile : tableau)
        DealTo(table, *pile);

    Reserve = &reserve;
    BaseRank = base ? base->Rank : 0;
    Relayout(table);
}

// ---- Relayout ------------------------------------------------------------

void CanfieldGame::Relayout(TableState& table)
{
    PlacePiles(table, Places);
    PlaceStock(table, StockPlace);
}

// ---- Pick-up -------------------------------------------------------------

void CanfieldGame::PickUp(TableState& table, int x, int y)
{
    if (Held) {
        ReturnToPile(table);
        return;
    }
    if (table.GameTable.Stock.GetRect().Contains(x, y)) {
        DealThreeOrTurnBack(table, WasteOf(table));
        return;
    }
    // Foundation cards never move; the waste, the reserve and the tableau give
    // their top card.
    Pile* from = HoldTopAt(table, Held, x, y, [](const Pile& pile) { return pile.PileKind != FoundationKind; });
    // The rest of a tableau pile is lifted with its top card: its place shows
    // empty while the card is dragged.
    if (from && from->PileKind == TableauKind)
        from->HideCards(table.PaintList);
}

// ---- Drag ----------------------------------------------------------------

void CanfieldGame::Drag(TableState& table, int x, int y)
{
    DragHeld(table, Held, x, y);
}

// ---- Drop ----------------------------------------------------------------

void CanfieldGame::Drop(TableState& table, int, int)
{
    if (!Held)
        return;
    Reserve = table.GameTable.Piles.Head();
    Pile* target = FindDropTarget(table, Held->Bounds, [&](const Pile& pile) { return Accepts(table, pile); });
    if (!target) {
        ReturnToPile(table);
        return;
    }

    Pile& from = *Held->ReturnPile;
    const bool fromTableau = from.PileKind == TableauKind;
    const bool carried = fromTableau && target->PileKind == TableauKind;
    if (carried) {
        // The cards beneath travel along, keeping their order, under the
        // dropped card.
        while (Card* card = from.TakeBottom())
            target->AddTop(card);
    }
    if (fromTableau) {
        ShowPileAgain(table, from);
        if (from.Count() == 0 && Reserve && Reserve->Count() > 0) {
            table.DirtyRect.Unite(Reserve->GetRect());
            from.AddTop(Reserve->TakeTop());
        }
    }
    table.DirtyRect.Unite(from.GetRect());
    PlaceHeld(table, Held, *target);
    // The carried cards join the paint order at once, beneath the dropped card.
    if (carried)
        target->BringToFront(table.PaintList);
}

void CanfieldGame::ReturnToPile(TableState& table)
{
    if (Held->ReturnPile->PileKind == TableauKind)
        ShowPileAgain(table, *Held->ReturnPile);
    ReturnHeld(table, Held);
}

// ---- Acceptance test -----------------------------------------------------

bool CanfieldGame::Accepts(const TableState&, const Pile& pile) const
{
    const Card& held = *Held;
    const Card* top = pile.Top();
    switch (pile.PileKind) {
    case FoundationKind:
        // Up by suit from BaseRank, the Ace following the King.
        if (!top)
            return held.Rank == BaseRank;
        return held.Suit == top->Suit && held.Rank == (top->Rank == 13 ? 1 : top->Rank + 1);
    case TableauKind:
        if (&pile == held.ReturnPile)
            return false;
        // A space is filled from the reserve while it lasts; after that only
        // a card from the waste (or the reserve) may fill it, never a card
        // from another tableau pile.
        if (!top)
            return held.ReturnPile->PileKind != TableauKind && Reserve && Reserve->Count() == 0;
        // Down in alternating colours, the King following the Ace.
        return held.IsRed != top->IsRed && (held.Rank == top->Rank - 1 || (top->Rank == 1 && held.Rank == 13));
    default:
        return false;
    }
}

} // namespace quenby
