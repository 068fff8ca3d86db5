#include "beleagueredcastle.h"

#include "codes.h"

namespace tollmere {

// Piles, row by row: left row, foundation, right row (0-2, 3-5, 6-8, 9-11).
BeleagueredCastleGame::BeleagueredCastleGame(CardDeck& deck) : GameFrame(deck, fan::Right)
{
    // The right rows grow to the right of the outlines.
    ExtraWidth = 150;
    ShiftX = 75;
    for (int y = 0; y <= 300; y += 100) {
        Append(kind::Waste, select::None, 0, y, fan::Right);
        Append(kind::Foundation, rank::Ace, 240, y);
        Append(kind::Waste, select::None, 340, y, fan::Right);
    }
    for (const auto& pile : Piles) {
        if (pile->Kind == kind::Waste)
            for (int i = 0; i < 6; ++i)
                DealTo(*pile, false);
        pile->TurnAllUp();
    }
}

bool BeleagueredCastleGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 8; }

} // namespace tollmere
