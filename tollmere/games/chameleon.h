#pragma once
// Chameleon: four foundations, a face-down reserve of twelve, three tableau
// piles fanned down and a stock. The emptied reserve becomes a fourth tableau
// pile for the rest of the game.
#include "frame.h"

namespace tollmere {

class ChameleonGame : public GameFrame {
public:
    explicit ChameleonGame(CardDeck& deck);
    void Drop(Rect& dirty, int x, int y);
    bool IsWon() const;
};

} // namespace tollmere
