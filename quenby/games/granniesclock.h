#pragma once
// Grannies Clock: thirteen face-down piles on a clock face; each card goes
// under the pile of its hour and turns up that pile's next card.
#include "gamebase.h"

namespace quenby {

class GranniesClockGame : public OneCardGame {
public:
    void Deal(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);
    static bool Accepts(const Pile& target, const Card& card);
    // True once the four Kings lie together under the centre: no card can be
    // played any more, and presses do nothing.
    static bool IsFinished(const PileList& piles);
    // Won when no pile shows a face-down top card.
    static bool IsWon(const PileList& piles, int cardBackId);
    static const GameLayout Layout;
};

} // namespace quenby
