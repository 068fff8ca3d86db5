#pragma once
// Calculation: four foundations started by an Ace, a Two, a Three and a Four,
// four empty wastes and a face-down stock. The player builds each foundation
// by its own count; the program lifts the top card of any pile.
#include "frame.h"

namespace tollmere {

class CalculationGame : public GameFrame {
public:
    explicit CalculationGame(CardDeck& deck);
    bool IsWon() const;
};

} // namespace tollmere
