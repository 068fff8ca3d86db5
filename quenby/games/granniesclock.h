#pragma once
// Grannies Clock: thirteen face-down piles on a clock face; each card goes
// under the pile of its hour and turns up that pile's next card.
#include <table/pile.h>

#include <memory>

namespace quenby {

struct TableState;

class GranniesClockGame {
public:
    void Deal(TableState& table);
    void Relayout(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drag(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);

    // True once the four Kings lie together under the centre: no card can be
    // played any more, and presses do nothing.
    bool IsFinished(const TableState& table) const;

    std::unique_ptr<Card> Held;

private:
    bool Accepts(const TableState& table, const Pile& pile) const;
};

} // namespace quenby
