#pragma once
// Calculation: four foundations started by an Ace, a Two, a Three and a Four,
// four empty wastes and a face-down stock. The player builds each foundation
// by its own count; the program lifts the top card of any pile.
#include "frame.h"

namespace tollmere {

class CalculationGame : public GameFrame {
public:
    explicit CalculationGame(CardDeck& deck);

    // 0 stock; 1-4 foundations (Ace, Two, Three, Four); 5-8 wastes.
    static constexpr Place Places[] = {{0, 0},     {100, 0},   {200, 0},   {300, 0},  {400, 0},
                                       {100, 110}, {200, 110}, {300, 110}, {400, 110}};

    // What the player and a screen reader call each pile, in the same order.
    static constexpr const char* Names[] = {
        "Stock", "Foundation 1", "Foundation 2", "Foundation 3", "Foundation 4", "Waste 1", "Waste 2",
        "Waste 3", "Waste 4"};

    bool IsWon() const;
};

} // namespace tollmere
