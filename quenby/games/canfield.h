#pragma once
// Canfield: a thirteen-card reserve, foundations from the rank of the first
// foundation card wrapping King to Ace, tableau piles that move as a whole.
#include <table/pile.h>

#include <memory>

namespace quenby {

struct TableState;

class CanfieldGame {
public:
    void Deal(TableState& table);
    void Relayout(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drag(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);

    std::unique_ptr<Card> Held;
    Pile* Reserve = nullptr; // the first pile, looked up at each drop
    int BaseRank = 0;        // rank of the first foundation card of this deal

private:
    bool Accepts(const TableState& table, const Pile& pile) const;
    // Sends the held card back to its pile, whose lifted cards show again.
    void ReturnToPile(TableState& table);
};

} // namespace quenby
