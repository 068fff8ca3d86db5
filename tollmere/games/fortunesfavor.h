#pragma once
// Fortune's Favor: the Aces as foundations, twelve single cards in two rows
// and a stock dragged from directly, whose waste may be turned over once.
#include "frame.h"

namespace tollmere {

class FortunesFavorGame : public GameFrame {
public:
    explicit FortunesFavorGame(CardDeck& deck);
    static constexpr int MaxTurns = 1;

    // 0 stock, 1 waste, 2-5 foundations (the Aces), 6-11 and 12-17 the two
    // rows of the tableau from the left.
    static constexpr Place Places[] = {{0, 0},     {100, 0},   {200, 0},   {300, 0},   {400, 0},   {500, 0},
                                       {0, 110},   {100, 110}, {200, 110}, {300, 110}, {400, 110}, {500, 110},
                                       {0, 220},   {100, 220}, {200, 220}, {300, 220}, {400, 220}, {500, 220}};

    // What the player and a screen reader call each pile, in the same order.
    static constexpr const char* Names[] = {
        QT_TRANSLATE_NOOP("tollmere::Piles", "Stock"), QT_TRANSLATE_NOOP("tollmere::Piles", "Waste"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 1"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 2"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 3"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 4"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 1"), QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 2"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 3"), QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 4"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 5"), QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 6"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 7"), QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 8"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 9"), QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 10"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 11"), QT_TRANSLATE_NOOP("tollmere::Piles", "Tableau 12")};

    void PickUp(Rect& dirty, int x, int y);
    bool IsWon() const;

    int TurnCount = 0; // redeals used
};

} // namespace tollmere
