#pragma once
// Chameleon: four foundations, a face-down reserve of twelve, three tableau
// piles fanned down and a stock. The emptied reserve becomes a fourth tableau
// pile for the rest of the game.
#include "frame.h"

namespace tollmere {

class ChameleonGame : public GameFrame {
public:
    explicit ChameleonGame(CardDeck& deck);

    // 0 stock, 1 waste, 2-5 foundations, 6 reserve, 7-9 tableau.
    static constexpr Place Places[] = {{0, 110}, {0, 0},     {100, 0},   {200, 0},   {300, 0},
                                       {400, 0}, {100, 110}, {200, 110}, {300, 110}, {400, 110}};

    // What the player and a screen reader call each pile, in the same order.
    static constexpr const char* Names[] = {
        QT_TRANSLATE_NOOP("tollmere::Piles", "Stock"), QT_TRANSLATE_NOOP("tollmere::Piles", "Waste"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 1"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 2"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 3"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 4"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Reserve"), QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 1"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 2"), QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 3")};

    void Drop(Rect& dirty, int x, int y);
    bool IsWon() const;
};

} // namespace tollmere
