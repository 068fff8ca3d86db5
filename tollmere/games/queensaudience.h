#pragma once
// Queen's Audience: sixteen cards as the walls of a square round five empty
// foundations, a face-down stock and its waste.
#include "frame.h"

namespace tollmere {

class QueensAudienceGame : public GameFrame {
public:
    explicit QueensAudienceGame(CardDeck& deck);

    // 0 stock, 1 waste, then the square row by row: 2-7 the top wall; 8 left
    // wall, 9 foundation, 10 right wall; 11 left wall, 12-15 foundations, 16
    // right wall; 17-22 the bottom wall.
    static constexpr Place Places[] = {
        {100, 100}, {200, 100}, {0, 0},     {100, 0},   {200, 0},   {300, 0},   {400, 0},   {500, 0},
        {0, 100},   {350, 100}, {500, 100}, {0, 200},   {100, 200}, {200, 200}, {300, 200}, {400, 200},
        {500, 200}, {0, 300},   {100, 300}, {200, 300}, {300, 300}, {400, 300}, {500, 300}};

    // What the player and a screen reader call each pile, in the same order.
    static constexpr const char* Names[] = {
        QT_TRANSLATE_NOOP("tollmere::Piles", "Stock"), QT_TRANSLATE_NOOP("tollmere::Piles", "Waste"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Top wall 1"), QT_TRANSLATE_NOOP("tollmere::Piles", "Top wall 2"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Top wall 3"), QT_TRANSLATE_NOOP("tollmere::Piles", "Top wall 4"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Top wall 5"), QT_TRANSLATE_NOOP("tollmere::Piles", "Top wall 6"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Left wall 1"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 1"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Right wall 1"), QT_TRANSLATE_NOOP("tollmere::Piles", "Left wall 2"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 2"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 3"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 4"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 5"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Right wall 2"), QT_TRANSLATE_NOOP("tollmere::Piles", "Bottom wall 1"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Bottom wall 2"), QT_TRANSLATE_NOOP("tollmere::Piles", "Bottom wall 3"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Bottom wall 4"), QT_TRANSLATE_NOOP("tollmere::Piles", "Bottom wall 5"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Bottom wall 6")};

    bool IsWon() const;
};

} // namespace tollmere
