// Little Spider: two rows of four piles with the foundations between them.
// While the stock lasts, a lower-row card may only go to the foundation right
// above it; once it is empty, the upper row builds up or down regardless of suit.
#include "littlespider.h"

#include "frame.h"

namespace quenby {

// ---- Piles and positions -------------------------------------------------

// The PileKind of each pile role; constexpr, so each file's own.
namespace kind { constexpr int Foundation = FoundationKind, Tableau = 500; }

// The foundations (numbers 1-4), the upper row (5-8), the lower row (9-12);
// a lower-row pile's number is its foundation's plus 8.
constexpr PileEntry Piles[] = {
    {kind::Foundation, {-150, -48}, 1}, {kind::Foundation, {-75, -48}, 2}, //
    {kind::Foundation, {4, -48}, 3},    {kind::Foundation, {80, -48}, 4},  //
    {kind::Tableau, {-150, -149}, 5},   {kind::Tableau, {-75, -149}, 6},   //
    {kind::Tableau, {4, -149}, 7},      {kind::Tableau, {80, -149}, 8},    //
    {kind::Tableau, {-150, 53}, 9},     {kind::Tableau, {-75, 53}, 10},    //
    {kind::Tableau, {4, 53}, 11},       {kind::Tableau, {80, 53}, 12},     //
};

namespace {

bool IsTableau(const Pile& pile) { return pile.PileKind == kind::Tableau; }
bool InUpperRow(const Pile& pile) { return pile.PileNumber >= 5 && pile.PileNumber <= 8; }
bool InLowerRow(const Pile& pile) { return pile.PileNumber >= 9 && pile.PileNumber <= 12; }

// One rank up or down in any suit, where Ace and King wrap: only a King goes
// on an Ace and only an Ace on a King.
bool NextInEitherDirection(const Card& card, const Card& on)
{
    if (on.Rank == rank::Ace)
        return card.Rank == rank::King;
    if (on.Rank == rank::King)
        return card.Rank == rank::Ace;
    return OneHigher(card, on) || OneLower(card, on);
}

// Two foundations start from Aces of one colour, two from Kings of the other.
bool MayStartFoundation(const Card& card, const PileRefList& foundations)
{
    if (card.Rank != rank::Ace && card.Rank != rank::King)
        return false;
    for (const Pile* foundation : foundations) {
        const Card* base = foundation->Bottom();
        if (!base)
            continue;
        // A base of the same rank asks for the same colour, of the other rank
        // for the other colour.
        const bool objects = base->Rank == card.Rank ? OtherColour(card, *base) : !OtherColour(card, *base);
        if (objects)
            return false;
    }
    return true;
}

} // namespace

// What the player calls the piles.
constexpr PileRole Roles[] = {
    {QT_TRANSLATE_NOOP("quenby", "Foundation"), 4},
    {QT_TRANSLATE_NOOP("quenby", "Upper"), 4},
    {QT_TRANSLATE_NOOP("quenby", "Lower"), 4},
};

const GameLayout LittleSpiderGame::Layout{Piles, Place{-236, -48}, Roles};

// ---- Deal ----------------------------------------------------------------

void LittleSpiderGame::Deal(TableState& table)
{
    for (Pile* foundation : PilesOfKind(table, kind::Foundation))
        FoundationList.AddTail(foundation);
    for (Pile* pile : PilesOfKind(table, kind::Tableau))
        DealTo(table, *pile);
}

// ---- Pick-up -------------------------------------------------------------

void LittleSpiderGame::PickUp(TableState& table, int x, int y)
{
    // One card on every tableau pile, upper row then lower row, while the
    // stock lasts: the last of the 44 cards reach the upper row only. Only
    // tableau cards move; foundation cards stay where they are.
    PickUpOrDeal(table, Held, x, y, IsTableau, IsTableau);
}

// ---- Drop ----------------------------------------------------------------

void LittleSpiderGame::Drop(TableState& table, int, int)
{
    const bool stockLasts = table.GameTable.Stock.Count() > 0;
    DropHeld(table, Held, [&](const Pile& pile) { return Accepts(pile, *Held, stockLasts); });
}

// ---- Acceptance test -----------------------------------------------------

bool LittleSpiderGame::Accepts(const Pile& target, const Card& card, bool stockLasts) const
{
    const Pile& from = *card.ReturnPile;
    const Card* top = target.Top();

    if (target.PileKind == kind::Tableau) {
        // Only the upper row is built on, only once the stock is gone, and an
        // emptied pile stays empty.
        return !stockLasts && InUpperRow(target) && top && NextInEitherDirection(card, *top);
    }
    if (target.PileKind != kind::Foundation)
        return false;

    // While the stock lasts a lower-row card may build only on the foundation
    // directly above it; starting an empty foundation is not restricted.
    if (stockLasts && InLowerRow(from) && top && from.PileNumber - target.PileNumber != 8)
        return false;
    if (!top)
        return MayStartFoundation(card, FoundationList);
    // Aces build up to the King, Kings down to the Ace; neither wraps.
    if (!SameSuit(card, *top))
        return false;
    return target.Bottom()->Rank == rank::King ? OneLower(card, *top) : OneHigher(card, *top);
}

} // namespace quenby
