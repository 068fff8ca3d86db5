#pragma once
// The face bitmap of every card: the one table of them, read by the cards
// that learn their rank from it and by the art generator that draws them.
namespace quenby {

// By rank, Ace first and King last, in the columns clubs, diamonds, hearts,
// spades.
inline constexpr int FaceIds[13][4] = {
    {140, 153, 166, 180}, {132, 145, 158, 172}, {133, 146, 159, 173}, {134, 147, 160, 174},
    {135, 148, 161, 175}, {136, 149, 162, 176}, {137, 150, 163, 177}, {138, 151, 164, 178},
    {139, 152, 165, 179}, {131, 144, 157, 171}, {141, 154, 167, 181}, {143, 156, 169, 130},
    {142, 155, 168, 182},
};

} // namespace quenby
