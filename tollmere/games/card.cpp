#include "card.h"

#include "codes.h"

#include <platform/dib.h>

#include <map>
#include <utility>

namespace tollmere {

namespace {

// Face bitmaps by suit (spades, hearts, clubs, diamonds: the creation order)
// and rank (Ace, King, Queen, Jack, Ten ... Two).
constexpr int FaceTable[4][13] = {
    {179, 178, 134, 145, 177, 176, 175, 174, 173, 172, 171, 170, 169},
    {168, 167, 130, 136, 165, 164, 163, 162, 161, 160, 159, 158, 157},
    {190, 189, 133, 137, 188, 187, 186, 185, 184, 183, 182, 181, 180},
    {155, 156, 132, 146, 154, 153, 152, 151, 138, 140, 142, 148, 149},
};

int SuitRow(int suitCode)
{
    switch (suitCode) {
    case suit::Spades: return 0;
    case suit::Hearts: return 1;
    case suit::Clubs: return 2;
    case suit::Diamonds: return 3;
    default: return -1;
    }
}

} // namespace

int FaceBitmap(int rankCode, int suitCode)
{
    const int row = SuitRow(suitCode);
    if (row < 0 || rankCode < rank::Ace || rankCode > rank::Two)
        return 0;
    return FaceTable[row][rankCode - rank::Ace];
}

const QImage& LoadImage(int bitmapId, qreal ratio)
{
    // Every shuffle makes 52 new cards; the pictures themselves never change.
    // A map, so that what is handed out stays where it is.
    static std::map<std::pair<int, qreal>, QImage> decoded;
    const auto key = std::make_pair(bitmapId, ratio > 1 ? ratio : 1);
    if (const auto found = decoded.find(key); found != decoded.end())
        return found->second;
    return decoded.emplace(key, platform::loadBitmapImage(u"tollmere", bitmapId, key.second)).first->second;
}

QImage LoadImage(int bitmapId) { return LoadImage(bitmapId, 1); }

Card::Card(int faceId, int rankCode, int suitCode)
    : FaceId(faceId), Face(LoadImage(faceId)), RankCode(rankCode), SuitCode(suitCode)
{
}

void Card::MoveTo(int x, int y)
{
    Bounds = Rect::At(x, y, Width(), Height());
}

} // namespace tollmere
