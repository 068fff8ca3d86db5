#include "queensaudience.h"

#include "codes.h"

namespace tollmere {

// Piles: 0 stock, 1 waste, then the square row by row: 2-7 the top wall;
// 8 left wall, 9 foundation, 10 right wall; 11 left wall, 12-15 foundations,
// 16 right wall; 17-22 the bottom wall.
QueensAudienceGame::QueensAudienceGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    const auto wallRow = [this](int y) {
        for (int x = 0; x <= 500; x += 100)
            Append(kind::Tableau, select::None, x, y);
    };
    wallRow(0);
    Append(kind::Tableau, select::None, 0, 100);
    Append(kind::Foundation, select::None, 350, 100);
    Append(kind::Tableau, select::None, 500, 100);
    Append(kind::Tableau, select::None, 0, 200);
    for (int x = 100; x <= 400; x += 100)
        Append(kind::Foundation, select::None, x, 200);
    Append(kind::Tableau, select::None, 500, 200);
    wallRow(300);
    for (const auto& pile : Piles)
        if (pile->Kind == kind::Tableau)
            DealTo(*pile, true);
    InsertFront(kind::Waste, select::None, 200, 100);
    InsertFront(kind::Stock, select::All, 100, 100);
}

bool QueensAudienceGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 18; }

} // namespace tollmere
