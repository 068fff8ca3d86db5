#include "fortunesfavor.h"

#include "codes.h"

namespace tollmere {

FortunesFavorGame::FortunesFavorGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    for (int i = 2; i <= 5; ++i)
        Append(kind::Foundation, rank::Ace, Places[i]);
    for (int i = 6; i <= 17; ++i)
        Append(kind::Tableau, select::None, Places[i]);
    for (const auto& pile : Piles) {
        if (pile->Kind == kind::Tableau)
            DealTo(*pile, true);
        pile->TurnAllUp();
    }
    InsertFront(kind::Waste, select::None, Places[1]);
    InsertFront(kind::Stock, select::All, Places[0]);
}

// Lifting a card sounds like laying one down in this game.
void FortunesFavorGame::PickUp(Rect& dirty, int x, int y)
{
    PickUpOrRedeal(dirty, x, y, TurnCount, MaxTurns, "DOWN.WAV");
}

bool FortunesFavorGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 14; }

} // namespace tollmere
