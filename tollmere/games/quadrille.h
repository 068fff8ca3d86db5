#pragma once
// Quadrille: the four Queens in a diamond at the centre, eight empty
// foundations round them, and a stock whose waste may be turned over twice.
#include "frame.h"

namespace tollmere {

class QuadrilleGame : public GameFrame {
public:
    explicit QuadrilleGame(CardDeck& deck);
    static constexpr int MaxTurns = 2;

    // 0 stock, 1 waste, 2-9 foundations (top, left, right, bottom, then the
    // four diagonals), 10-13 the Queens (top, left, right, bottom).
    static constexpr Place Places[] = {{0, 0},     {100, 0},   {300, 0},   {130, 155}, {475, 155},
                                       {300, 300}, {215, 50},  {385, 50},  {215, 275}, {385, 275},
                                       {300, 100}, {245, 155}, {355, 155}, {300, 200}};

    // What the player and a screen reader call each pile, in the same order.
    static constexpr const char* Names[] = {
        QT_TRANSLATE_NOOP("tollmere::Piles", "Stock"), QT_TRANSLATE_NOOP("tollmere::Piles", "Waste"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Top foundation"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Left foundation"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Right foundation"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Bottom foundation"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Upper left foundation"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Upper right foundation"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Lower left foundation"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Lower right foundation"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Top Queen"), QT_TRANSLATE_NOOP("tollmere::Piles", "Left Queen"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Right Queen"), QT_TRANSLATE_NOOP("tollmere::Piles", "Bottom Queen")};

    void PickUp(Rect& dirty, int x, int y);
    bool IsWon() const;

    int TurnCount = 0; // redeals used
};

} // namespace tollmere
