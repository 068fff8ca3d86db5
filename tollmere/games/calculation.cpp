#include "calculation.h"

#include "codes.h"

namespace tollmere {

// Piles: 0 stock; 1-4 foundations (Ace, Two, Three, Four); 5-8 wastes.
CalculationGame::CalculationGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    const int bases[] = {rank::Ace, rank::Two, rank::Three, rank::Four};
    for (int i = 0; i < 4; ++i)
        Append(kind::Foundation, bases[i], 100 + 100 * i, 0);
    for (int i = 0; i < 4; ++i)
        Append(kind::Waste, select::None, 100 + 100 * i, 110);
    InsertFront(kind::Stock, select::All, 0, 0);
    for (int i = 1; i < PileCount(); ++i)
        if (Card* top = At(i).Top())
            top->FaceUp = 1;
}

// Every card off the stock and the wastes: the foundations' order is the
// player's business.
bool CalculationGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 5; }

} // namespace tollmere
