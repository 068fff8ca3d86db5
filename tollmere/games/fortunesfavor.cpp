#include "fortunesfavor.h"

#include "codes.h"

namespace tollmere {

// Piles: 0 stock, 1 waste, 2-5 foundations (the Aces), 6-11 and 12-17 the
// two rows of the tableau from the left.
FortunesFavorGame::FortunesFavorGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    for (int x = 200; x <= 500; x += 100)
        Append(kind::Foundation, rank::Ace, x, 0);
    for (int y : {110, 220})
        for (int x = 0; x <= 500; x += 100)
            Append(kind::Tableau, select::None, x, y);
    for (const auto& pile : Piles) {
        if (pile->Kind == kind::Tableau)
            DealTo(*pile, true);
        pile->TurnAllUp();
    }
    InsertFront(kind::Waste, select::None, 100, 0);
    InsertFront(kind::Stock, select::All, 0, 0);
}

// Lifting a card sounds like laying one down in this game.
void FortunesFavorGame::PickUp(Rect& dirty, int x, int y)
{
    PickUpOrRedeal(dirty, x, y, TurnCount, MaxTurns, "DOWN.WAV");
}

bool FortunesFavorGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 14; }

} // namespace tollmere
