#pragma once
// Four Seasons: five cards in a cross, one card on the first of four corner
// foundations, and a face-down stock whose top card is dragged directly.
#include "frame.h"

namespace tollmere {

class FourSeasonsGame : public GameFrame {
public:
    explicit FourSeasonsGame(CardDeck& deck);

    // 0 stock, 1 waste, 2-5 foundations (top left, top right, bottom left,
    // bottom right), 6-10 the cross (top, left, centre, right, bottom).
    static constexpr Place Places[] = {{0, 220}, {0, 110},   {100, 0},   {300, 0},   {100, 220}, {300, 220},
                                       {200, 0}, {100, 110}, {200, 110}, {300, 110}, {200, 220}};

    // What the player and a screen reader call each pile, in the same order.
    static constexpr const char* Names[] = {
        QT_TRANSLATE_NOOP("tollmere::Piles", "Stock"), QT_TRANSLATE_NOOP("tollmere::Piles", "Waste"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 1"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 2"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 3"), QT_TRANSLATE_NOOP("tollmere::Piles", "Foundation 4"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Cross top"), QT_TRANSLATE_NOOP("tollmere::Piles", "Cross left"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Cross centre"), QT_TRANSLATE_NOOP("tollmere::Piles", "Cross right"),
        QT_TRANSLATE_NOOP("tollmere::Piles", "Cross bottom")};

    bool IsWon() const;
};

} // namespace tollmere
