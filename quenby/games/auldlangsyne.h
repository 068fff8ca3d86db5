#pragma once
// Auld Lang Syne: four Aces start foundations built up regardless of suit; the
// stock deals a card onto each of four tableau piles.
#include <table/pile.h>

#include <memory>

namespace quenby {

struct TableState;

class AuldLangSyneGame {
public:
    void Deal(TableState& table);
    void Relayout(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drag(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);

    std::unique_ptr<Card> Held;

private:
    bool Accepts(const TableState& table, const Pile& pile) const;
};

} // namespace quenby
