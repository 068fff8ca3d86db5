#include "tablesurface.h"

#include <games/card.h>
#include <games/codes.h>
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

std::span<const Offset> OutlinePlaces(int gameId)
{
    static constexpr Offset calculation[] = {{0, 0},     {100, 0},   {200, 0},   {300, 0},  {400, 0},
                                             {100, 110}, {200, 110}, {300, 110}, {400, 110}};
    static constexpr Offset accordion[] = {{0, 0}, {100, 0}, {200, 0}, {300, 0}, {400, 0}, {500, 0}, {250, 110}};
    static constexpr Offset castle[] = {{0, 0},   {240, 0},   {340, 0},   {0, 100}, {240, 100}, {340, 100},
                                        {0, 200}, {240, 200}, {340, 200}, {0, 300}, {240, 300}, {340, 300}};
    static constexpr Offset fortune[] = {{0, 0},     {100, 0},   {200, 0},   {300, 0},   {400, 0},   {500, 0},
                                         {0, 110},   {100, 110}, {200, 110}, {300, 110}, {400, 110}, {500, 110},
                                         {0, 220},   {100, 220}, {200, 220}, {300, 220}, {400, 220}, {500, 220}};
    static constexpr Offset seasons[] = {{100, 0},   {200, 0},   {300, 0},   {100, 110}, {200, 110}, {300, 110},
                                         {100, 220}, {200, 220}, {300, 220}, {0, 110},   {0, 220}};
    static constexpr Offset chameleon[] = {{0, 0},   {100, 0},   {200, 0},   {300, 0},   {400, 0},
                                           {0, 110}, {100, 110}, {200, 110}, {300, 110}, {400, 110}};
    static constexpr Offset quadrille[] = {{300, 0},   {130, 155}, {475, 155}, {300, 300}, {215, 50},
                                           {385, 50},  {215, 275}, {385, 275}, {300, 100}, {245, 155},
                                           {355, 155}, {300, 200}, {100, 0},   {0, 0}};
    static constexpr Offset audience[] = {{0, 0},     {100, 0},   {200, 0},   {300, 0},   {400, 0},   {500, 0},
                                          {0, 100},   {100, 100}, {200, 100}, {350, 100}, {500, 100}, {0, 200},
                                          {100, 200}, {200, 200}, {300, 200}, {400, 200}, {500, 200}, {0, 300},
                                          {100, 300}, {200, 300}, {300, 300}, {400, 300}, {500, 300}};
    if (!IsGame(gameId))
        return {};
    switch (GameId(gameId)) {
    case GameId::Calculation: return calculation;
    case GameId::Accordion: return accordion;
    case GameId::BeleagueredCastle: return castle;
    case GameId::FortunesFavor: return fortune;
    case GameId::FourSeasons: return seasons;
    case GameId::Chameleon: return chameleon;
    case GameId::Quadrille: return quadrille;
    case GameId::QueensAudience: return audience;
    case GameId::Title: return {};
    }
    return {};
}

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
    for (const Offset& place : OutlinePlaces(gameId))
        platform::frameRect(Background, QRect(x0 + place.dx, y0 + place.dy, CardWidth, CardHeight), qRgb(0, 0, 0));
}

const QImage& TableSurface::FaceOf(const Card& card)
{
    const qreal ratio = Background.devicePixelRatio();
    return ratio == 1 ? card.Face : LoadImage(card.FaceId, ratio);
}

Rect TableSurface::Paint(const Rect& area)
{
    const QSize size = platform::logicalSize(Background);
    const Rect visible = area.Intersected(Rect::At(0, 0, size.width(), size.height()));
    if (visible.IsEmpty())
        return {};
    if (Composition.isNull())
        Composition = platform::makeSurface(size, Background.devicePixelRatio());
    PaintOnto(Composition, visible);
    return visible;
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
