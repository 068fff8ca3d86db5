// Canfield: a thirteen-card reserve feeds the tableau piles it empties, the
// foundations all start from the rank of the first foundation card and wrap
// King to Ace, and a tableau pile moves as a whole onto another one.
#include "canfield.h"

#include "frame.h"

namespace quenby {

// ---- Piles and positions -------------------------------------------------

// The PileKind of each pile role; constexpr, so each file's own.
namespace kind { constexpr int Foundation = FoundationKind, Waste = 200, Reserve = 400, Tableau = 500; }

// Reserve, four foundations, four tableau piles, waste.
constexpr PileEntry Piles[] = {
    {kind::Reserve, {-240, -48}},
    {kind::Foundation, {-150, -150}}, {kind::Foundation, {-75, -150}}, //
    {kind::Foundation, {4, -150}},    {kind::Foundation, {80, -150}},  //
    {kind::Tableau, {-150, -48}}, {kind::Tableau, {-75, -48}}, {kind::Tableau, {4, -48}}, {kind::Tableau, {80, -48}},
    {kind::Waste, {4, 53}},
};

namespace {

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

// What the player calls the piles.
constexpr PileRole Roles[] = {
    {QT_TRANSLATE_NOOP("quenby", "Reserve")},
    {QT_TRANSLATE_NOOP("quenby", "Foundation"), 4},
    {QT_TRANSLATE_NOOP("quenby", "Tableau"), 4},
    {QT_TRANSLATE_NOOP("quenby", "Waste")},
};

const GameLayout CanfieldGame::Layout{Piles, Place{-75, 53}, Roles};

// ---- Deal ----------------------------------------------------------------

void CanfieldGame::Deal(TableState& table)
{
    Pile& reserve = *table.GameTable.Piles.Head();
    // Thirteen to the reserve (the last dealt is its top), one to the first
    // foundation, one to each tableau pile; all face up.
    for (int n = 0; n < ReserveSize; ++n)
        DealTo(table, reserve);
    const Card* base = DealTo(table, *PilesOfKind(table, kind::Foundation).front());
    for (Pile* pile : PilesOfKind(table, kind::Tableau))
        DealTo(table, *pile);

    Reserve = &reserve;
    BaseRank = base ? base->Rank : 0;
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
    Pile* from = HoldTopAt(table, Held, x, y, [](const Pile& pile) { return pile.PileKind != kind::Foundation; });
    // The rest of a tableau pile is lifted with its top card: its place shows
    // empty while the card is dragged.
    if (from && from->PileKind == kind::Tableau)
        from->HideCards(table.PaintList);
}

// ---- Drop ----------------------------------------------------------------

void CanfieldGame::Drop(TableState& table, int, int)
{
    if (!Held)
        return;
    Reserve = table.GameTable.Piles.Head();
    Pile* target = FindDropTarget(table, Held->Bounds, [this](const Pile& pile) { return Accepts(pile, *Held); });
    if (!target) {
        ReturnToPile(table);
        return;
    }

    Pile& from = *Held->ReturnPile;
    const bool fromTableau = from.PileKind == kind::Tableau;
    const bool carried = fromTableau && target->PileKind == kind::Tableau;
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
    if (Held->ReturnPile->PileKind == kind::Tableau)
        ShowPileAgain(table, *Held->ReturnPile);
    ReturnHeld(table, Held);
}

// ---- Acceptance test -----------------------------------------------------

bool CanfieldGame::Accepts(const Pile& target, const Card& card) const
{
    const Card* top = target.Top();
    switch (target.PileKind) {
    case kind::Foundation:
        // Up by suit from BaseRank, the Ace following the King.
        if (!top)
            return card.Rank == BaseRank;
        return SameSuit(card, *top) && OneHigherRoundTheCorner(card, *top);
    case kind::Tableau:
        if (&target == card.ReturnPile)
            return false;
        // A space is filled from the reserve while it lasts; after that only
        // a card from the waste (or the reserve) may fill it, never a card
        // from another tableau pile.
        if (!top)
            return card.ReturnPile->PileKind != kind::Tableau && Reserve && Reserve->Count() == 0;
        // Down in alternating colours, the King following the Ace.
        return OtherColour(card, *top) && OneLowerRoundTheCorner(card, *top);
    default:
        return false;
    }
}

} // namespace quenby
