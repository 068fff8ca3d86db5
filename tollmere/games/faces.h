#pragma once
// The face bitmap of every card: the one table of them, read by the deck
// that loads each card's picture and by the art generator that draws it.
#include "codes.h"

namespace tollmere {

// By rank, Ace first and King last, in the columns clubs, diamonds, hearts,
// spades.
inline constexpr int FaceIds[13][4] = {
    {190, 155, 168, 179}, {180, 149, 157, 169}, {181, 148, 158, 170}, {182, 142, 159, 171},
    {183, 140, 160, 172}, {184, 138, 161, 173}, {185, 151, 162, 174}, {186, 152, 163, 175},
    {187, 153, 164, 176}, {188, 154, 165, 177}, {137, 146, 136, 145}, {133, 132, 130, 134},
    {189, 156, 167, 178},
};

// The face bitmap of a card, e.g. FaceBitmap(rank::Queen, suit::Spades) == 134;
// 0 for a pair that names no card.
constexpr int FaceBitmap(int rankCode, int suitCode)
{
    if (rankCode < rank::Ace || rankCode > rank::Two || suitCode < suit::Spades || suitCode > suit::Clubs)
        return 0;
    // After the Ace the codes run from the King (13) down to the Two; the
    // columns are the suit codes backwards.
    const int number = rankCode == rank::Ace ? 1 : rank::Two + 2 - rankCode;
    return FaceIds[number - 1][suit::Clubs - suitCode];
}

} // namespace tollmere
