#pragma once
// Magic Carpet: twenty carpet cards and a one-pass stock play to four
// foundations from the Aces; only waste cards fill carpet spaces.
#include "gamebase.h"

namespace quenby {

class MagicCarpetGame : public OneCardGame {
public:
    void Deal(TableState& table);
    void PickUp(TableState& table, int x, int y);
    // `card` comes from its ReturnPile.
    static bool Accepts(const Pile& target, const Card& card);
    static const GameLayout Layout;
};

} // namespace quenby
