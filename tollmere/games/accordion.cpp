#include "accordion.h"

#include "codes.h"

namespace tollmere {

namespace {

// The six row piles carry the foundation kind: the piles lifted whole.
bool IsRowPile(const Pile& pile) { return pile.Kind == kind::Foundation; }

} // namespace

AccordionGame::AccordionGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    for (int i = 1; i <= 6; ++i)
        Append(kind::Foundation, select::None, Places[i]);
    Pile& stock = InsertFront(kind::Stock, select::All, Places[0]);
    for (int i = 1; i < PileCount(); ++i) {
        Card& card = *stock.Top();
        stock.Remove(card);
        card.FaceUp = 1;
        At(i).AddTop(card);
    }
    stock.RecomputeRect();
}

void AccordionGame::PickUp(Rect& dirty, int x, int y)
{
    ReturnHeld(dirty);
    Pile* pile = PileUnder(x, y);
    if (!pile)
        return;
    if (IsRowPile(*pile)) {
        if (TakeAll(*pile))
            FinishLift(dirty, x, y, "UP.WAV");
        return;
    }
    // The stock fills the gaps from the left, one card each, while it lasts.
    Pile& stock = *pile;
    for (const auto& row : Piles) {
        if (!IsRowPile(*row) || !row->IsEmpty())
            continue;
        Card* card = stock.Top();
        if (!card)
            break;
        stock.Remove(*card);
        card->FaceUp = 1;
        row->AddTop(*card);
        dirty.Unite(row->Bounds);
    }
    dirty.Unite(stock.Bounds);
    stock.RecomputeRect();
}

// The stock never takes cards.
void AccordionGame::Drop(Rect& dirty, int, int) { DropHeld(dirty, IsRowPile); }

// All cards in one row pile: six of the seven piles empty.
bool AccordionGame::IsWon() const
{
    int empty = 0;
    for (const auto& pile : Piles)
        empty += pile->IsEmpty() ? 1 : 0;
    return empty >= 6;
}

} // namespace tollmere
