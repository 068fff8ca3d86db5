#pragma once
// Beleaguered Castle: the four Aces in a central column and eight rows of six
// face-up cards fanned to the right, four on each side; no stock.
#include "frame.h"

namespace tollmere {

class BeleagueredCastleGame : public GameFrame {
public:
    explicit BeleagueredCastleGame(CardDeck& deck);
    bool IsWon() const;
};

} // namespace tollmere
