#pragma once
// Flower Garden: six beds built down regardless of suit, a bouquet whose every
// card is free, four foundations up by suit from the Ace.
#include <table/pile.h>

#include <memory>

namespace quenby {

struct TableState;

class FlowerGardenGame {
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
