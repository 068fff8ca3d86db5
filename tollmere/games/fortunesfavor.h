#pragma once
// Fortune's Favor: the Aces as foundations, twelve single cards in two rows
// and a stock dragged from directly, whose waste may be turned over once.
#include "frame.h"

namespace tollmere {

class FortunesFavorGame : public GameFrame {
public:
    explicit FortunesFavorGame(CardDeck& deck);
    static constexpr int MaxTurns = 1;

    void PickUp(Rect& dirty, int x, int y);
    bool IsWon() const;

    int TurnCount = 0; // redeals used
};

} // namespace tollmere
