// Auld Lang Syne: the four Aces start foundations built up regardless of suit;
// each stock click deals one card onto each of four tableau piles.
#include "auldlangsyne.h"

#include "frame.h"

namespace quenby {

// ---- Piles and positions ---------------------------------------------------

// The PileKind of each pile role; constexpr, so each file's own.
namespace kind { constexpr int Foundation = FoundationKind, Tableau = 300; }

// Four foundations, then four tableau piles, each under the foundation of
// its column.
constexpr PileEntry Piles[] = {
    {kind::Foundation, {-150, -100}}, {kind::Foundation, {-75, -100}}, //
    {kind::Foundation, {4, -100}},    {kind::Foundation, {80, -100}},  //
    {kind::Tableau, {-150, 5}}, {kind::Tableau, {-75, 5}}, {kind::Tableau, {4, 5}}, {kind::Tableau, {80, 5}},
};

namespace {

bool IsTableau(const Pile& pile) { return pile.PileKind == kind::Tableau; }

} // namespace

// What the player calls the piles.
constexpr PileRole Roles[] = {
    {QT_TRANSLATE_NOOP("quenby", "Foundation"), 4},
    {QT_TRANSLATE_NOOP("quenby", "Tableau"), 4},
};

const GameLayout AuldLangSyneGame::Layout{Piles, Place{-230, 5}, Roles};

// ---- Deal ------------------------------------------------------------------

void AuldLangSyneGame::Deal(TableState& table) { DealAces(table, kind::Foundation); }

// ---- Pick-up ---------------------------------------------------------------

void AuldLangSyneGame::PickUp(TableState& table, int x, int y)
{
    // One card onto each tableau pile (the 48 cards make twelve deals); only
    // tableau cards are taken.
    PickUpOrDeal(table, Held, x, y, IsTableau, IsTableau);
}

// ---- Acceptance test -------------------------------------------------------

// Cards go only to the foundations, never from one tableau pile to another:
// up by one regardless of suit, a foundation complete with its King.
bool AuldLangSyneGame::Accepts(const Pile& target, const Card& card)
{
    return target.PileKind == kind::Foundation && target.Top() && OneHigher(card, *target.Top());
}

} // namespace quenby
