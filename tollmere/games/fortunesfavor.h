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
        "Stock", "Waste", "Foundation 1", "Foundation 2", "Foundation 3", "Foundation 4", "Tableau 1",
        "Tableau 2", "Tableau 3", "Tableau 4", "Tableau 5", "Tableau 6", "Tableau 7", "Tableau 8", "Tableau 9",
        "Tableau 10", "Tableau 11", "Tableau 12"};

    void PickUp(Rect& dirty, int x, int y);
    bool IsWon() const;

    int TurnCount = 0; // redeals used
};

} // namespace tollmere
