#include "chameleon.h"

#include "codes.h"

namespace tollmere {

ChameleonGame::ChameleonGame(CardDeck& deck) : GameFrame(deck, fan::Down)
{
    for (int i = 2; i <= 5; ++i)
        Append(kind::Foundation, select::None, Places[i]);
    Append(kind::Reserve, select::None, Places[6]);
    for (int i = 7; i <= 9; ++i)
        Append(kind::Tableau, select::None, Places[i], fan::Down);
    DealTo(At(0), true);
    for (const auto& pile : Piles) {
        if (pile->Kind == kind::Reserve)
            for (int i = 0; i < 12; ++i)
                DealTo(*pile, false);
        else if (pile->Kind == kind::Tableau)
            DealTo(*pile, true);
    }
    InsertFront(kind::Waste, select::None, Places[1]);
    InsertFront(kind::Stock, select::All, Places[0]);
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
