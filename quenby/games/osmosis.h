#pragma once
// Osmosis: four foundation rows, each taking a card of its suit only once its
// rank lies in the row above; three-card stock with unlimited passes.
#include "gamebase.h"

namespace quenby {

class OsmosisGame : public OneCardGame {
public:
    PileRefList FoundationList; // the four rows from the top

    void Deal(TableState& table);
    void Refan(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);
    // Each row is judged against the row above it in this game's list.
    bool Accepts(const Pile& target, const Card& card) const;
    static const GameLayout Layout;
};

} // namespace quenby
