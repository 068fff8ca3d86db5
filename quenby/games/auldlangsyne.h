#pragma once
// Auld Lang Syne: four Aces start foundations built up regardless of suit; the
// stock deals a card onto each of four tableau piles.
#include "gamebase.h"

namespace quenby {

class AuldLangSyneGame : public OneCardGame {
public:
    static const GameLayout Layout;
    void Deal(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);
    static bool Accepts(const Pile& target, const Card& card);
};

} // namespace quenby
