// Magic Carpet: the Aces start foundations in the four corners, twenty cards
// make a five-by-four carpet, and the stock is turned once onto a waste.
#include "magiccarpet.h"

#include "frame.h"

namespace quenby {

// ---- Piles and positions ---------------------------------------------------

// The PileKind of each pile role; constexpr, so each file's own.
namespace kind { constexpr int Foundation = FoundationKind, Waste = 200, Carpet = 500; }

// The foundations in the four corners (top left, top right, bottom left,
// bottom right), never outlined; the carpet row by row from the top, each row
// left to right; then the waste.
constexpr PileEntry Piles[] = {
    {kind::Foundation, {-268, -205}, 0, false}, {kind::Foundation, {201, -205}, 0, false}, //
    {kind::Foundation, {-268, 108}, 0, false},  {kind::Foundation, {201, 108}, 0, false},  //
    {kind::Carpet, {-187, -200}}, {kind::Carpet, {-111, -200}}, {kind::Carpet, {-35, -200}}, //
    {kind::Carpet, {41, -200}},   {kind::Carpet, {117, -200}},                               //
    {kind::Carpet, {-187, -99}},  {kind::Carpet, {-111, -99}},  {kind::Carpet, {-35, -99}},  //
    {kind::Carpet, {41, -99}},    {kind::Carpet, {117, -99}},                                //
    {kind::Carpet, {-187, 2}},    {kind::Carpet, {-111, 2}},    {kind::Carpet, {-35, 2}},    //
    {kind::Carpet, {41, 2}},      {kind::Carpet, {117, 2}},                                  //
    {kind::Carpet, {-187, 103}},  {kind::Carpet, {-111, 103}},  {kind::Carpet, {-35, 103}},  //
    {kind::Carpet, {41, 103}},    {kind::Carpet, {117, 103}},                                //
    {kind::Waste, {-278, -99}},
};

namespace {

bool IsWaste(const Pile& pile) { return pile.PileKind == kind::Waste; }

} // namespace

// What the player calls the piles.
constexpr PileRole Roles[] = {
    {QT_TRANSLATE_NOOP("quenby", "Foundation"), 4},
    {QT_TRANSLATE_NOOP("quenby", "Carpet"), 20},
    {QT_TRANSLATE_NOOP("quenby", "Waste")},
};

const GameLayout MagicCarpetGame::Layout{Piles, Place{-278, 2}, Roles};

// ---- Deal ------------------------------------------------------------------

void MagicCarpetGame::Deal(TableState& table)
{
    DealAces(table, kind::Foundation);
    for (Pile* pile : PilesOfKind(table, kind::Carpet))
        DealTo(table, *pile);
}

// ---- Pick-up ---------------------------------------------------------------

void MagicCarpetGame::PickUp(TableState& table, int x, int y)
{
    // One card at a time onto the waste, one pass: an empty stock gives
    // nothing. Foundation cards stay.
    PickUpOrDeal(table, Held, x, y, IsWaste, [](const Pile& pile) { return pile.PileKind != kind::Foundation; });
}

// ---- Acceptance test -------------------------------------------------------

bool MagicCarpetGame::Accepts(const Pile& target, const Card& card)
{
    const Card* top = target.Top();
    switch (target.PileKind) {
    case kind::Foundation:
        return top && UpInSuit(card, *top);
    case kind::Carpet:
        // A space in the carpet is filled from the waste only.
        return !top && card.ReturnPile && IsWaste(*card.ReturnPile);
    default:
        return false;
    }
}

} // namespace quenby
