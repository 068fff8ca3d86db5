#pragma once
// Klondike: seven columns built down in alternating colours, four foundations
// up by suit from the Ace, one pass through the stock. Runs move as a `Hand`.
#include "gamebase.h"

namespace quenby {

class KlondikeGame {
public:
    // The temporary pile (kind 300) that carries one card or a run while the
    // button is down.
    std::unique_ptr<Pile> Hand;

    void Deal(TableState& table);
    void Refan(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drag(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);
    // `run` is the Hand that would land, its bottom card first to meet the pile.
    static bool Accepts(const Pile& target, const Pile& run);
    static const GameLayout Layout;

private:
    void LiftFromColumn(TableState& table, Pile& column, int x, int y);
    void StartHand(TableState& table, Pile& from, const Rect& at, int x, int y);
    void MoveHandTo(TableState& table, Pile& pile);
    void ReturnHand(TableState& table);
};

} // namespace quenby
