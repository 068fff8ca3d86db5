#pragma once
// Little Spider: two rows of four piles round four foundations, two built up
// from Aces and two down from Kings of the other colour.
#include <table/pile.h>

#include <memory>

namespace quenby {

struct TableState;

class LittleSpiderGame {
public:
    void Deal(TableState& table);
    void Relayout(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drag(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);

    std::unique_ptr<Card> Held;
    PileRefList FoundationList; // the four foundations in creation order

private:
    bool Accepts(const TableState& table, const Pile& pile) const;
};

} // namespace quenby
