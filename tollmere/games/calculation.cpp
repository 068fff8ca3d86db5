#include "calculation.h"

#include "codes.h"

namespace tollmere {

CalculationGame::CalculationGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    const int bases[] = {rank::Ace, rank::Two, rank::Three, rank::Four};
    for (int i = 0; i < 4; ++i)
        Append(kind::Foundation, bases[i], Places[1 + i]);
    for (int i = 0; i < 4; ++i)
        Append(kind::Waste, select::None, Places[5 + i]);
    InsertFront(kind::Stock, select::All, Places[0]);
    for (int i = 1; i < PileCount(); ++i)
        if (Card* top = At(i).Top())
            top->FaceUp = 1;
}

// Every card off the stock and the wastes: the foundations' order is the
// player's business.
bool CalculationGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 5; }

} // namespace tollmere
