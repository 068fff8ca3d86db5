#pragma once
// Accordion: six piles in a row, fed from a face-down stock. Whole piles are
// laid on one another; a click on the stock fills the gaps from the left.
#include "frame.h"

namespace tollmere {

class AccordionGame : public GameFrame {
public:
    explicit AccordionGame(CardDeck& deck);
    void PickUp(Rect& dirty, int x, int y);
    void Drop(Rect& dirty, int x, int y);
    bool IsWon() const;
};

} // namespace tollmere
