#pragma once
// Four Seasons: five cards in a cross, one card on the first of four corner
// foundations, and a face-down stock whose top card is dragged directly.
#include "frame.h"

namespace tollmere {

class FourSeasonsGame : public GameFrame {
public:
    explicit FourSeasonsGame(CardDeck& deck);
    bool IsWon() const;
};

} // namespace tollmere
