#include "queensaudience.h"

#include "codes.h"

namespace tollmere {

QueensAudienceGame::QueensAudienceGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    // The walls are tableau piles; inside them lie the foundations.
    const auto inside = [](int i) { return i == 9 || (i >= 12 && i <= 15); };
    for (int i = 2; i <= 22; ++i)
        Append(inside(i) ? kind::Foundation : kind::Tableau, select::None, Places[i]);
    for (const auto& pile : Piles)
        if (pile->Kind == kind::Tableau)
            DealTo(*pile, true);
    InsertFront(kind::Waste, select::None, Places[1]);
    InsertFront(kind::Stock, select::All, Places[0]);
}

bool QueensAudienceGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 18; }

} // namespace tollmere
