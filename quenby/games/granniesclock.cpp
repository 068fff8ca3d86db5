// Grannies Clock: twelve hour piles round a centre pile for the Kings, all
// dealt face down but the centre's top card. A card dragged to its hour goes
// under that pile and turns the pile's top card up.
#include "granniesclock.h"

#include "frame.h"

namespace quenby {

// ---- Piles and positions -------------------------------------------------

// The PileKind of each pile role; constexpr, so each file's own.
namespace kind { constexpr int Clock = 500; }

// Twelve o'clock, then clockwise round the face, the centre last. Each pile's
// number is the rank that belongs to it; the face has no outlines.
constexpr PileEntry Piles[] = {
    {kind::Clock, {-35, -205}, 12, false},  {kind::Clock, {41, -167}, 1, false},
    {kind::Clock, {117, -101}, 2, false},   {kind::Clock, {193, -48}, 3, false},
    {kind::Clock, {117, 5}, 4, false},      {kind::Clock, {41, 71}, 5, false},
    {kind::Clock, {-35, 109}, 6, false},    {kind::Clock, {-111, 71}, 7, false},
    {kind::Clock, {-187, 5}, 8, false},     {kind::Clock, {-263, -48}, 9, false},
    {kind::Clock, {-187, -101}, 10, false}, {kind::Clock, {-111, -167}, 11, false},
    {kind::Clock, {-35, -48}, rank::King, false}, // the centre
};

namespace {

constexpr int CardsPerHour = 4;

} // namespace

// What the player calls the piles.
constexpr PileRole Roles[] = {
    {QT_TRANSLATE_NOOP("quenby", "Hour"), 12, Fan::None, true},
    {QT_TRANSLATE_NOOP("quenby", "Centre")},
};

const GameLayout GranniesClockGame::Layout{Piles, std::nullopt, Roles};

// ---- Deal ----------------------------------------------------------------

void GranniesClockGame::Deal(TableState& table)
{
    // Four cards to each pile, all face down except the very last card dealt,
    // the top of the centre pile: the first card to play.
    const Pile* centre = table.GameTable.Piles.Last();
    for (Pile* pile : table.GameTable.Piles) {
        for (int n = 0; n < CardsPerHour; ++n)
            DealTo(table, *pile, !(pile == centre && n == CardsPerHour - 1));
    }
}

// ---- Pick-up -------------------------------------------------------------

void GranniesClockGame::PickUp(TableState& table, int x, int y)
{
    if (ReturnIfHeld(table, Held))
        return;
    if (IsFinished(table.GameTable.Piles))
        return;
    // Any pile's top card may be lifted, face up or face down.
    HoldTopAt(table, Held, x, y, [](const Pile&) { return true; });
}

// ---- Drop ----------------------------------------------------------------

void GranniesClockGame::Drop(TableState& table, int, int)
{
    if (!Held)
        return;
    Pile* hour = FindDropTarget(table, Held->Bounds, [this](const Pile& pile) { return Accepts(pile, *Held); });
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
bool GranniesClockGame::Accepts(const Pile& target, const Card& card) { return card.Rank == target.PileNumber; }

// ---- End of play ---------------------------------------------------------

bool GranniesClockGame::IsFinished(const PileList& piles)
{
    const Pile* centre = piles.Last();
    if (!centre)
        return false;
    int kings = 0;
    for (const Card* card : centre->Cards) {
        if (card->Rank != rank::King)
            return false;
        ++kings;
    }
    return kings >= 4;
}

bool GranniesClockGame::IsWon(const PileList& piles, int cardBackId)
{
    for (const Pile* pile : piles)
        if (const Card* top = pile->Top(); top && top->IsFaceDown(cardBackId))
            return false;
    return true;
}

} // namespace quenby
