#include "klondike.h"

#include "frame.h"

namespace quenby {

// ---- Piles and positions ----------------------------------------------------

// The PileKind of each pile role; constexpr, so each file's own.
namespace kind { constexpr int Foundation = FoundationKind, Waste = 200, Hand = 300, Column = 500; }

// Four foundations, seven columns 76 pixels apart, then the waste, which is
// the last pile.
constexpr PileEntry Piles[] = {
    {kind::Foundation, {-35, -205}}, {kind::Foundation, {41, -205}}, //
    {kind::Foundation, {117, -205}}, {kind::Foundation, {193, -205}}, //
    {kind::Column, {-263, -99}}, {kind::Column, {-187, -99}}, {kind::Column, {-111, -99}}, {kind::Column, {-35, -99}},
    {kind::Column, {41, -99}},   {kind::Column, {117, -99}},  {kind::Column, {193, -99}},
    {kind::Waste, {-187, -205}},
};

// What the player calls the piles.
constexpr PileRole Roles[] = {
    {QT_TRANSLATE_NOOP("quenby", "Foundation"), 4},
    {QT_TRANSLATE_NOOP("quenby", "Column"), 7, Fan::Down},
    {QT_TRANSLATE_NOOP("quenby", "Waste")},
};

const GameLayout KlondikeGame::Layout{Piles, Place{-263, -205}, Roles};

// ---- Deal ---------------------------------------------------------------------

void KlondikeGame::Deal(TableState& table)
{
    // Column k gets k cards, all but the last face down; with one face-up
    // card, fanning leaves each column squared up.
    int k = 1;
    for (Pile* column : PilesOfKind(table, kind::Column)) {
        for (int i = 1; i <= k; ++i)
            DealTo(table, *column, i < k);
        ++k;
    }
}

// ---- Relayout -----------------------------------------------------------------

void KlondikeGame::Refan(TableState& table)
{
    for (Pile* column : PilesOfKind(table, kind::Column))
        column->FanDown(table.CardBackId);
}

// ---- Pick-up ------------------------------------------------------------------

void KlondikeGame::PickUp(TableState& table, int x, int y)
{
    if (Hand) {
        ReturnHand(table);
        return;
    }

    if (table.GameTable.Stock.GetRect().Contains(x, y)) {
        // One card to the waste; a single pass, so an empty stock stays empty.
        DealToEach(table, [](const Pile& pile) { return pile.PileKind == kind::Waste; });
        return;
    }

    for (Pile* pile : table.GameTable.Piles) {
        if (!pile->GetRect().Contains(x, y) || pile->PileKind == kind::Foundation || pile->Count() == 0)
            continue;
        if (pile->PileKind == kind::Waste) {
            Card* card = pile->TakeTop();
            StartHand(table, *pile, pile->GetRect(), x, y);
            Hand->AddTop(card);
            table.PaintList.MoveToTail(card);
            table.PlaySound("UP.WAV");
            return;
        }
        if (pile->PileKind == kind::Column) {
            LiftFromColumn(table, *pile, x, y);
            return;
        }
    }
}

// A press on the top card lifts it alone; anywhere else in the column lifts
// every face-up card together.
void KlondikeGame::LiftFromColumn(TableState& table, Pile& column, int x, int y)
{
    Card* top = column.Top();
    if (top->Bounds.Contains(x, y)) {
        table.DirtyRect.Unite(column.GetRect());
        StartHand(table, column, top->Bounds, x, y);
        column.Remove(top);
        Hand->AddTop(top);
        table.DirtyRect.Unite(Hand->GetRect());
        table.PaintList.MoveToTail(top);
        column.FanDown(table.CardBackId);
        table.PlaySound("UP.WAV");
        return;
    }
    if (top->IsFaceDown(table.CardBackId))
        return; // nothing face up to lift
    table.DirtyRect.Unite(column.GetRect());
    StartHand(table, column, column.GetRect(), x, y);
    // The run keeps its order: the column's top card stays the Hand's top.
    for (Card* card = column.First(); card; card = column.Next()) {
        if (card->IsFaceDown(table.CardBackId))
            continue;
        column.Remove(card);
        Hand->AddBottom(card);
    }
    Hand->BringToFront(table.PaintList);
    column.FanDown(table.CardBackId);
    Hand->FanDown(table.CardBackId);
    table.DirtyRect.Unite(column.GetRect());
    table.DirtyRect.Unite(Hand->GetRect());
    table.PlaySound("UP.WAV");
}

// An empty Hand at the top-left of `at`, grabbed at (x, y), returning to `from`.
void KlondikeGame::StartHand(TableState& table, Pile& from, const Rect& at, int x, int y)
{
    Hand = std::make_unique<Pile>(kind::Hand);
    Hand->SetPosition(at.left, at.top);
    Hand->GrabOffset = QPoint(x - at.left, y - at.top);
    Hand->ReturnPile = &from;
    table.DirtyRect.Unite(Hand->GetRect());
}

// ---- Drag ---------------------------------------------------------------------

void KlondikeGame::Drag(TableState& table, int x, int y)
{
    if (!Hand)
        return;
    table.DirtyRect = Hand->GetRect();
    Hand->SetPosition(x - Hand->GrabOffset.x(), y - Hand->GrabOffset.y());
    Hand->FanDown(table.CardBackId);
    table.DirtyRect.Unite(Hand->GetRect());
}

// ---- Drop ---------------------------------------------------------------------

void KlondikeGame::Drop(TableState& table, int, int)
{
    if (!Hand)
        return;
    Pile* target = FindDropTarget(table, Hand->GetRect(), [this](const Pile& pile) { return Accepts(pile, *Hand); });
    if (!target) {
        ReturnHand(table);
        return;
    }
    table.DirtyRect.Unite(Hand->GetRect());
    MoveHandTo(table, *target);
    // The card left on top of the column the run came from turns face up.
    Pile& from = *Hand->ReturnPile;
    if (Card* exposed = from.Top(); exposed && exposed->IsFaceDown(table.CardBackId)) {
        exposed->ShowImage(exposed->FaceId);
        table.DirtyRect.Unite(from.GetRect());
    }
    Hand.reset();
    table.PlaySound("DOWN.WAV");
}

// The Hand's cards onto `pile`, bottom card first so the run keeps its order.
void KlondikeGame::MoveHandTo(TableState& table, Pile& pile)
{
    while (Card* card = Hand->TakeBottom())
        pile.AddTop(card);
    if (pile.PileKind == kind::Column)
        pile.FanDown(table.CardBackId);
    table.DirtyRect.Unite(pile.GetRect());
}

void KlondikeGame::ReturnHand(TableState& table)
{
    table.DirtyRect.Unite(Hand->GetRect());
    MoveHandTo(table, *Hand->ReturnPile);
    Hand.reset();
    table.PlaySound("DOWN.WAV");
}

// ---- Acceptance test ----------------------------------------------------------

bool KlondikeGame::Accepts(const Pile& target, const Pile& run)
{
    const Card* top = target.Top();
    if (target.PileKind == kind::Foundation) {
        // Foundations take single cards only: a run would leave them out of
        // sequence.
        if (run.Count() != 1)
            return false;
        return top ? UpInSuit(*run.Top(), *top) : run.Top()->Rank == rank::Ace;
    }
    if (target.PileKind == kind::Column)
        return top ? DownInAlternateColours(*run.Bottom(), *top) : run.Bottom()->Rank == rank::King;
    return false;
}

} // namespace quenby
