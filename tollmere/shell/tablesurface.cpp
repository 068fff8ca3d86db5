#include "tablesurface.h"

#include <games/card.h>
#include <games/gametable.h>
#include <platform/density.h>
#include <platform/drawing.h>

#include <algorithm>
#include <array>
#include <vector>

namespace tollmere {

namespace {

constexpr std::array<int, 9> Backs{195, 205, 206, 213, 215, 216, 218, 219, 220};

QRgb ToRgb(platform::ColorRef colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace

int BackBitmap(int cardBackId)
{
    return std::find(Backs.begin(), Backs.end(), cardBackId) != Backs.end() ? cardBackId : Backs.front();
}

TableSurface::TableSurface(const CardDeck& deck, QSize client, int gameId, platform::ColorRef tableColour,
                           int cardBackId, qreal ratio)
    : Background(platform::makeSurface(client, ratio)), BackImage(LoadImage(BackBitmap(cardBackId), ratio)), deck_(deck)
{
    if (Background.isNull())
        return;
    Background.fill(ToRgb(tableColour));
    const int x0 = client.width() / 2 - deck.ExtentWidth / 2;
    const int y0 = client.height() / 2 - deck.ExtentHeight / 2;
    for (const Place& place : PilePlaces(gameId))
        platform::frameRect(Background, QRect(x0 + place.X, y0 + place.Y, CardWidth, CardHeight), qRgb(0, 0, 0));
}

const QImage& TableSurface::FaceOf(const Card& card)
{
    const qreal ratio = Background.devicePixelRatio();
    return ratio == 1 ? card.Face : LoadImage(card.FaceId, ratio);
}

void TableSurface::PaintOnto(QImage& target, const Rect& area)
{
    // Every card meeting the area is composed in paint order, clipped to it
    // and to what later cards leave showing: the area comes out exactly as a
    // whole repaint would draw it, and the cost follows what shows in it.
    std::vector<platform::Layer> layers;
    for (const auto& card : deck_.Cards) {
        if (!card->Bounds.Intersects(area))
            continue;
        const QImage& image = card->FaceUp ? FaceOf(*card) : BackImage;
        if (!image.isNull())
            layers.push_back({QPoint(card->Bounds.left, card->Bounds.top), &image});
    }
    platform::composeArea(target, Background, layers, area);
}

} // namespace tollmere
