#include "fourseasons.h"

#include "codes.h"

namespace tollmere {

// Piles: 0 stock, 1 waste, 2-5 foundations (top left, top right, bottom
// left, bottom right), 6-10 the cross (top, left, centre, right, bottom).
FourSeasonsGame::FourSeasonsGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    for (auto [x, y] : {std::pair{100, 0}, {300, 0}, {100, 220}, {300, 220}})
        Append(kind::Foundation, select::None, x, y);
    for (auto [x, y] : {std::pair{200, 0}, {100, 110}, {200, 110}, {300, 110}, {200, 220}})
        Append(kind::Tableau, select::None, x, y);
    DealTo(At(0), true);
    for (const auto& pile : Piles)
        if (pile->Kind == kind::Tableau)
            DealTo(*pile, true);
    InsertFront(kind::Waste, select::None, 0, 110);
    InsertFront(kind::Stock, select::All, 0, 220);
}

bool FourSeasonsGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 7; }

} // namespace tollmere
