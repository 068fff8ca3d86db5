#pragma once
// Osmosis: four foundation rows, each taking a card of its suit only once its
// rank lies in the row above; three-card stock with unlimited passes.
#include <table/pile.h>

#include <memory>

namespace quenby {

struct TableState;

class OsmosisGame {
public:
    void Deal(TableState& table);
    void Relayout(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drag(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);

    std::unique_ptr<Card> Held;
    PileRefList FoundationList; // the four rows from the top

private:
    bool Accepts(const TableState& table, const Pile& pile) const;
};

} // namespace quenby
