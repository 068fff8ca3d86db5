// Grannies Clock: twelve hour piles round a centre pile for the Kings, all
// dealt face down but the centre's top card. A card dragged to its hour goes
// under that pile and turns the pile's top card up.
#include "granniesclock.h"

#include "frame.h"

#include <table/tablestate.h>

namespace quenby {

namespace {

// ---- Piles and positions -------------------------------------------------

constexpr int ClockKind = 500;
constexpr int KingRank = 13;

// Creation order: twelve o'clock, then clockwise round the face, the centre
// last. Each pile's number is the rank that belongs to it.
constexpr int HourNumbers[] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, KingRank};
constexpr Place Places[] = {
    {-35, -205}, {41, -167}, {117, -101}, {193, -48},  {117, 5},     {41, 71},     // 12 to 5
    {-35, 109},  {-111, 71}, {-187, 5},   {-263, -48}, {-187, -101}, {-111, -167}, // 6 to 11
    {-35, -48},                                                                    // the centre
};
constexpr int CardsPerHour = 4;

} // namespace

// ---- Deal ----------------------------------------------------------------

void GranniesClockGame::Deal(TableState& table)
{
    for (int number : HourNumbers)
        AddPile(table, ClockKind).PileNumber = number;
    // Four cards to each pile, all face down except the very last card dealt,
    // the top of the centre pile: the first card to play.
    const Pile* centre = table.GameTable.Piles.Last();
    for (Pile* pile : table.GameTable.Piles) {
        for (int n = 0; n < CardsPerHour; ++n)
            DealTo(table, *pile, !(pile == centre && n == CardsPerHour - 1));
    }
    Relayout(table);
}

// ---- Relayout ------------------------------------------------------------

void GranniesClockGame::Relayout(TableState& table) { PlacePiles(table, Places); }

// ---- Pick-up -------------------------------------------------------------

void GranniesClockGame::PickUp(TableState& table, int x, int y)
{
    if (ReturnIfHeld(table, Held))
        return;
    if (IsFinished(table))
        return;
    // Any pile's top card may be lifted, face up or face down.
    HoldTopAt(table, Held, x, y, [](const Pile&) { return true; });
}

// ---- Drag ----------------------------------------------------------------

void GranniesClockGame::Drag(TableState& table, int x, int y)
{
    DragHeld(table, Held, x, y);
}

// ---- Drop ----------------------------------------------------------------

void GranniesClockGame::Drop(TableState& table, int, int)
{
    if (!Held)
        return;
    Pile* hour = FindDropTarget(table, Held->Bounds, [&](const Pile& pile) { return Accepts(table, pile); });
    if (!hour) {
        ReturnHeld(table, Held);
        return;
    }

    Card* card = Held.release();
    table.DirtyRect.Unite(card->Bounds);
    // Painted beneath the pile's cards; on an empty pile it keeps its place
    // in the paint order, so it is never lost from view.
    if (Card* bottom = hour->Bottom()) {
        table.PaintList.Remove(card);
        table.PaintList.InsertBefore(bottom, card);
    }
    hour->AddBottom(card);
    hour->SetPosition(hour->GetRect().left, hour->GetRect().top);
    Card* top = hour->Top();
    top->ShowImage(top->FaceId);
    table.DirtyRect.Unite(hour->GetRect());
    table.PlaySound("DOWN.WAV");
}

// ---- Acceptance test -----------------------------------------------------

// A card belongs to the pile of its hour, its own pile included.
bool GranniesClockGame::Accepts(const TableState&, const Pile& pile) const { return Held->Rank == pile.PileNumber; }

// ---- End of play ---------------------------------------------------------

bool GranniesClockGame::IsFinished(const TableState& table) const
{
    const Pile* centre = table.GameTable.Piles.Last();
    if (!centre)
        return false;
    int kings = 0;
    for (const Card* card : centre->Cards) {
        if (card->Rank != KingRank)
            return false;
        ++kings;
    }
    return kings >= 4;
}

} // namespace quenby
