#include "chameleon.h"

#include "codes.h"

namespace tollmere {

// Piles: 0 stock, 1 waste, 2-5 foundations, 6 reserve, 7-9 tableau.
ChameleonGame::ChameleonGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    for (int x = 100; x <= 400; x += 100)
        Append(kind::Foundation, select::None, x, 0);
    Append(kind::Reserve, select::None, 100, 110);
    for (int x = 200; x <= 400; x += 100)
        Append(kind::Tableau, select::None, x, 110, fan::Down);
    DealTo(At(0), true);
    for (const auto& pile : Piles) {
        if (pile->Kind == kind::Reserve)
            for (int i = 0; i < 12; ++i)
                DealTo(*pile, false);
        else if (pile->Kind == kind::Tableau)
            DealTo(*pile, true);
    }
    InsertFront(kind::Waste, select::None, 0, 0);
    InsertFront(kind::Stock, select::All, 0, 110);
}

// The reserve, once emptied by a move, is a tableau pile fanned down for the
// rest of the game; cards that only went back to it change nothing.
void ChameleonGame::Drop(Rect& dirty, int, int)
{
    Pile* source = DragPile ? DragPile->Source : nullptr;
    const Pile* target = DropHeld(dirty, [](const Pile&) { return true; });
    if (target && source->Kind == kind::Reserve && source->IsEmpty()) {
        source->Kind = kind::Tableau;
        source->FanRule = fan::Down;
    }
}

bool ChameleonGame::IsWon() const { return EmptyUntilOccupied(NotFoundation) >= 6; }

} // namespace tollmere
