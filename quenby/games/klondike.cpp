#include "klondike.h"

#include "frame.h"

namespace quenby {

// ---- Piles and positions ----------------------------------------------------

namespace {

constexpr int Foundation = FoundationKind;
constexpr int Waste = 200;
constexpr int HandKind = 300;
constexpr int Column = 500;

// Creation order: four foundations, seven columns 76 pixels apart, then the
// waste, which is the last pile.
constexpr Place Places[] = {
    {-35, -205}, {41, -205}, {117, -205}, {193, -205},                                   // foundations
    {-263, -99}, {-187, -99}, {-111, -99}, {-35, -99}, {41, -99}, {117, -99}, {193, -99}, // columns
    {-187, -205},                                                                        // waste
};
constexpr Place StockPlace = {-263, -205};

} // namespace

// ---- Deal ---------------------------------------------------------------------

void KlondikeGame::Deal(TableState& table)
{
    AddPiles<4>(table, Foundation);
    const auto columns = AddPiles<7>(table, Column);
    AddPile(table, Waste);

    // Column k gets k cards, all but the last face down; with one face-up
    // card, fanning leaves each column squared up.
    int k = 1;
    for (Pile* column : columns) {
        for (int i = 1; i <= k; ++i)
            DealTo(table, *column, i < k);
        ++k;
    }
    Relayout(table);
}

// ---- Relayout -----------------------------------------------------------------

void KlondikeGame::Relayout(TableState& table)
{
    PlacePiles(table, Places);
    for (Pile* pile : table.GameTable.Piles)
        if (pile->PileKind == Column)
            pile->FanDown(table.CardBackId);
    PlaceStock(table, StockPlace);
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
        DealToEach(table, [](const Pile& pile) { return pile.PileKind == Waste; });
        return;
    }

    for (Pile* pile : table.GameTable.Piles) {
        if (!pile->GetRect().Contains(x, y) || pile->PileKind == Foundation || pile->Count() == 0)
            continue;
        if (pile->PileKind == Waste) {
            Card* card = pile->TakeTop();
            StartHand(table, *pile, pile->GetRect(), x, y);
            Hand->AddTop(card);
            table.PaintList.MoveToTail(card);
            table.PlaySound("UP.WAV");
            return;
        }
        if (pile->PileKind == Column) {
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
    Hand = std::make_unique<Pile>(HandKind);
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

void KlondikeGame::Drop(TableState& table, int x, int y)
{
    (void)x;
    (void)y;
    if (!Hand)
        return;
    Pile* target = FindDropTarget(table, Hand->GetRect(), [&](const Pile& pile) { return Accepts(table, pile); });
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
    if (pile.PileKind == Column)
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

bool KlondikeGame::Accepts(const TableState&, const Pile& pile) const
{
    if (pile.PileKind == Foundation) {
        // Foundations take single cards only: a run would leave them out of
        // sequence.
        if (Hand->Count() != 1)
            return false;
        const Card* card = Hand->Top();
        const Card* top = pile.Top();
        if (!top)
            return card->Rank == 1;
        return card->Suit == top->Suit && card->Rank == top->Rank + 1;
    }
    if (pile.PileKind == Column) {
        const Card* bottom = Hand->Bottom();
        const Card* top = pile.Top();
        if (!top)
            return bottom->Rank == 13;
        return bottom->IsRed != top->IsRed && bottom->Rank == top->Rank - 1;
    }
    return false;
}

} // namespace quenby
