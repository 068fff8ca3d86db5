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
        QT_TRANSLATE_NOOP("tollmere::Piles", "Stock"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 1"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 2"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 3"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 4"), QT_TRANSLATE_NOOP("tollmere::Piles", "Waste 1"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Waste 2"), QT_TRANSLATE_NOOP("tollmere::Piles", "Waste 3"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Waste 4")};

    bool IsWon() const;
};

} // namespace tollmere
