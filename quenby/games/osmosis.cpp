// Osmosis: four reserves of four, four foundation rows fanned to the right,
// and a three-card stock with as many passes as the player likes.
#include "osmosis.h"

#include "frame.h"

namespace quenby {

// ---- Piles and positions ---------------------------------------------------

// The PileKind of each pile role; constexpr, so each file's own.
namespace kind { constexpr int Row = FoundationKind, Waste = 200, Reserve = 500; }

// The four rows, row 1 at the top, then the four reserves at the rows'
// heights, then the waste.
constexpr PileEntry Piles[] = {
    {kind::Row, {4, -200}, 1}, {kind::Row, {4, -99}, 2}, {kind::Row, {4, 2}, 3}, {kind::Row, {4, 103}, 4},
    {kind::Reserve, {-75, -200}}, {kind::Reserve, {-75, -99}}, {kind::Reserve, {-75, 2}}, {kind::Reserve, {-75, 103}},
    {kind::Waste, {-160, -99}},
};

namespace {

constexpr int ReserveDepth = 4;

bool IsRow(const Pile& pile) { return pile.PileKind == kind::Row; }

void FanRowIfRow(Pile& pile)
{
    if (IsRow(pile))
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

bool RankLiesIn(const Pile& row, const Card& card)
{
    for (const Card* c : row.Cards)
        if (c->Rank == card.Rank)
            return true;
    return false;
}

} // namespace

// What the player calls the piles.
constexpr PileRole Roles[] = {
    {QT_TRANSLATE_NOOP("quenby", "Row"), 4, Fan::Right},
    {QT_TRANSLATE_NOOP("quenby", "Reserve"), 4},
    {QT_TRANSLATE_NOOP("quenby", "Waste")},
};

const GameLayout OsmosisGame::Layout{Piles, Place{-160, 2}, Roles};

// ---- Deal ------------------------------------------------------------------

void OsmosisGame::Deal(TableState& table)
{
    const std::vector<Pile*> rows = PilesOfKind(table, kind::Row);
    for (Pile* row : rows)
        FoundationList.AddTail(row);
    // The first card fixes row 1's suit and the rank every later row starts with.
    DealTo(table, *rows.front());
    for (Pile* reserve : PilesOfKind(table, kind::Reserve))
        for (int n = 0; n < ReserveDepth; ++n)
            DealTo(table, *reserve);
}

// ---- Relayout --------------------------------------------------------------

void OsmosisGame::Refan(TableState& table)
{
    for (Pile* pile : table.GameTable.Piles)
        FanRowIfRow(*pile);
}

// ---- Pick-up ---------------------------------------------------------------

void OsmosisGame::PickUp(TableState& table, int x, int y)
{
    if (ReturnIfHeld(table, Held, FanRowIfRow))
        return;
    // Row cards never move: only the waste and the reserves give cards.
    if (table.GameTable.Stock.GetRect().Contains(x, y))
        DealThreeOrTurnBack(table, *table.GameTable.Piles.Last());
    else
        HoldTopAt(table, Held, x, y, [](const Pile& pile) { return !IsRow(pile); });
}

// ---- Drop ------------------------------------------------------------------

void OsmosisGame::Drop(TableState& table, int, int)
{
    if (!Held)
        return;
    const Pile& from = *Held->ReturnPile;
    Pile* target = DropHeld(table, Held, [this](const Pile& pile) { return Accepts(pile, *Held); }, FanRowIfRow);
    if (!target)
        return;
    table.DirtyRect.Unite(from.GetRect());
    // The newest card of a row lies rightmost, the row's area reaching to it.
    target->FanRight();
    table.DirtyRect.Unite(target->GetRect());
}

// ---- Acceptance test -------------------------------------------------------

bool OsmosisGame::Accepts(const Pile& target, const Card& card) const
{
    if (!IsRow(target))
        return false;
    if (target.PileNumber == 1)
        return target.Bottom() && SameSuit(card, *target.Bottom());

    // Every later row follows the row above it: it starts with the rank that
    // started that row, and takes a card only once its rank lies there.
    const Pile* above = RowNumbered(FoundationList, target.PileNumber - 1);
    if (!above || !above->Bottom())
        return false;
    if (!target.Top())
        return card.Rank == above->Bottom()->Rank;
    return SameSuit(card, *target.Top()) && RankLiesIn(*above, card);
}

} // namespace quenby
