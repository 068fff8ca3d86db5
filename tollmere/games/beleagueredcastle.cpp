#include "beleagueredcastle.h"

#include "codes.h"

namespace tollmere {

BeleagueredCastleGame::BeleagueredCastleGame(CardDeck& deck) : GameFrame(deck, fan::Right)
{
    // The right rows grow to the right of the outlines.
    ExtraWidth = 150;
    ShiftX = 75;
    for (int row = 0; row < 12; row += 3) {
        Append(kind::Waste, select::None, Places[row], fan::Right);
        Append(kind::Foundation, rank::Ace, Places[row + 1]);
        Append(kind::Waste, select::None, Places[row + 2], fan::Right);
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
