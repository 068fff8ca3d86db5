#pragma once
// Canfield: a thirteen-card reserve, foundations from the rank of the first
// foundation card wrapping King to Ace, tableau piles that move as a whole.
#include "gamebase.h"

namespace quenby {

class CanfieldGame : public OneCardGame {
public:
    Pile* Reserve = nullptr; // the first pile, looked up at each drop
    int BaseRank = 0;        // rank of the first foundation card of this deal

    void Deal(TableState& table);
    void PickUp(TableState& table, int x, int y);
    void Drop(TableState& table, int x, int y);
    // `card` comes from its ReturnPile; the reserve is the one of this game.
    bool Accepts(const Pile& target, const Card& card) const;
    static const GameLayout Layout;

private:
    // Sends the held card back to its pile, whose lifted cards show again.
    void ReturnToPile(TableState& table);
};

} // namespace quenby
