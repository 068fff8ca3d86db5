#pragma once
// Flower Garden: six beds built down regardless of suit, a bouquet whose every
// card is free, four foundations up by suit from the Ace.
#include "gamebase.h"

namespace quenby {

class FlowerGardenGame : public OneCardGame {
public:
    void Deal(TableState& table);
    void Refan(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);
    static bool Accepts(const Pile& target, const Card& card);
    static const GameLayout Layout;
};

} // namespace quenby
