#include "fourseasons.h"

#include "codes.h"

namespace tollmere {

FourSeasonsGame::FourSeasonsGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    for (int i = 2; i <= 5; ++i)
        Append(kind::Foundation, select::None, Places[i]);
    for (int i = 6; i <= 10; ++i)
        Append(kind::Tableau, select::None, Places[i]);
    DealTo(At(0), true);
    for (const auto& pile : Piles)
        if (pile->Kind == kind::Tableau)
            DealTo(*pile, true);
    InsertFront(kind::Waste, select::None, Places[1]);
    InsertFront(kind::Stock, select::All, Places[0]);
}

bool FourSeasonsGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 7; }

} // namespace tollmere
