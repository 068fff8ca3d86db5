#include "quadrille.h"

#include "codes.h"

namespace tollmere {

// Piles: 0 stock, 1 waste, 2-9 foundations (top, left, right, bottom, then
// the four diagonals), 10-13 the Queens (top, left, right, bottom).
QuadrilleGame::QuadrilleGame(CardDeck& deck) : GameFrame(deck, fan::Stacked)
{
    for (auto [x, y] : {std::pair{300, 0}, {130, 155}, {475, 155}, {300, 300}, {215, 50}, {385, 50}, {215, 275},
                        {385, 275}})
        Append(kind::Foundation, select::None, x, y);
    for (auto [x, y] : {std::pair{300, 100}, {245, 155}, {355, 155}, {300, 200}})
        Append(kind::Tableau, rank::Queen, x, y).TurnAllUp();
    InsertFront(kind::Waste, select::None, 100, 0);
    InsertFront(kind::Stock, select::All, 0, 0);
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
