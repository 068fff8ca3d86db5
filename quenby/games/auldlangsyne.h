#pragma once
// Auld Lang Syne: four Aces start foundations built up regardless of suit; the
// stock deals a card onto each of four tableau piles.
#include "gamebase.h"

namespace quenby {

class AuldLangSyneGame : public OneCardGame {
public:
    void Deal(TableState& table);
    void PickUp(TableState& table, int x, int y);
    // A foundation takes the card one rank higher, whatever its suit.
    static bool Accepts(const Pile& target, const Card& card);
    static const GameLayout Layout;
};

} // namespace quenby
