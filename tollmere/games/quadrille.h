#pragma once
// Quadrille: the four Queens in a diamond at the centre, eight empty
// foundations round them, and a stock whose waste may be turned over twice.
#include "frame.h"

namespace tollmere {

class QuadrilleGame : public GameFrame {
public:
    explicit QuadrilleGame(CardDeck& deck);
    static constexpr int MaxTurns = 2;

    void PickUp(Rect& dirty, int x, int y);
    bool IsWon() const;

    int TurnCount = 0; // redeals used
};

} // namespace tollmere
