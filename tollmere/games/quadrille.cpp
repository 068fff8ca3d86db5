#include "quadrille.h"

#include "codes.h"

namespace tollmere {

QuadrilleGame::QuadrilleGame(CardDeck& deck) : GameFrame(deck, fan::Stacked)
{
    for (int i = 2; i <= 9; ++i)
        Append(kind::Foundation, select::None, Places[i]);
    for (int i = 10; i <= 13; ++i)
        Append(kind::Tableau, rank::Queen, Places[i]).TurnAllUp();
    InsertFront(kind::Waste, select::None, Places[1]);
    InsertFront(kind::Stock, select::All, Places[0]);
}

void QuadrilleGame::PickUp(Rect& dirty, int x, int y)
{
    PickUpOrRedeal(dirty, x, y, TurnCount, MaxTurns, "UP.WAV");
}

// Only the stock and the waste must be played out; the Queens may stay.
bool QuadrilleGame::IsWon() const
{
    return EmptyUntilOccupied([](const Pile& pile) {
               return pile.Kind == kind::Stock || pile.Kind == kind::Waste;
           }) >= 2;
}

} // namespace tollmere
