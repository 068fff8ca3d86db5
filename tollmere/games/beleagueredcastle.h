#pragma once
// Beleaguered Castle: the four Aces in a central column and eight rows of six
// face-up cards fanned to the right, four on each side; no stock.
#include "frame.h"

namespace tollmere {

class BeleagueredCastleGame : public GameFrame {
public:
    explicit BeleagueredCastleGame(CardDeck& deck);

    // Row by row: left row, foundation, right row (0-2, 3-5, 6-8, 9-11).
    static constexpr Place Places[] = {{0, 0},   {240, 0},   {340, 0},   {0, 100}, {240, 100}, {340, 100},
                                       {0, 200}, {240, 200}, {340, 200}, {0, 300}, {240, 300}, {340, 300}};

    // What the player and a screen reader call each pile, in the same order.
    static constexpr const char* Names[] = {
        QT_TRANSLATE_NOOP("tollmere::Piles", "Left row 1"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 1"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Right row 1"), QT_TRANSLATE_NOOP("tollmere::Piles", "Left row 2"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 2"), QT_TRANSLATE_NOOP("tollmere::Piles", "Right row 2"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Left row 3"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 3"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Right row 3"), QT_TRANSLATE_NOOP("tollmere::Piles", "Left row 4"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 4"), QT_TRANSLATE_NOOP("tollmere::Piles", "Right row 4")};

    bool IsWon() const;
};

} // namespace tollmere
