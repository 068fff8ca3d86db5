#pragma once
// Accordion: six piles in a row, fed from a face-down stock. Whole piles are
// laid on one another; a click on the stock fills the gaps from the left.
#include "frame.h"

namespace tollmere {

class AccordionGame : public GameFrame {
public:
    explicit AccordionGame(CardDeck& deck);

    // 0 stock, 1-6 the row from the left.
    static constexpr Place Places[] = {{250, 110}, {0, 0}, {100, 0}, {200, 0}, {300, 0}, {400, 0}, {500, 0}};

    // What the player and a screen reader call each pile, in the same order.
    static constexpr const char* Names[] = {
        QT_TRANSLATE_NOOP("tollmere::Piles", "Stock"), QT_TRANSLATE_NOOP("tollmere::Piles", "Pile 1"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Pile 2"), QT_TRANSLATE_NOOP("tollmere::Piles", "Pile 3"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Pile 4"), QT_TRANSLATE_NOOP("tollmere::Piles", "Pile 5"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Pile 6")};

    void PickUp(Rect& dirty, int x, int y);
    void Drop(Rect& dirty, int x, int y);
    bool IsWon() const;
};

} // namespace tollmere
