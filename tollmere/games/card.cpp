#include "card.h"

#include <platform/dib.h>

#include <map>
#include <utility>

namespace tollmere {

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

Card::Card(int faceId, int rankCode, int suitCode) : Card(faceId, LoadImage(faceId), rankCode, suitCode) {}

Card::Card(int faceId, QImage face, int rankCode, int suitCode)
    : FaceId(faceId), Face(std::move(face)), RankCode(rankCode), SuitCode(suitCode)
{
}

void Card::MoveTo(int x, int y)
{
    Bounds = Rect::At(x, y, Width(), Height());
}

} // namespace tollmere
