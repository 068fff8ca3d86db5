#pragma once
// Little Spider: two rows of four piles round four foundations, two built up
// from Aces and two down from Kings of the other colour.
#include "gamebase.h"

namespace quenby {

class LittleSpiderGame : public OneCardGame {
public:
    PileRefList FoundationList; // the four foundations in creation order

    void Deal(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);
    // `card` comes from its ReturnPile; the upper row and the foundations'
    // neighbours are built on only once the stock is gone.
    bool Accepts(const Pile& target, const Card& card, bool stockLasts) const;
    static const GameLayout Layout;
};

} // namespace quenby
