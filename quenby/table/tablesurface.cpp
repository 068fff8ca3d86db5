#include "tablesurface.h"

#include "tablestate.h"

#include <games/frame.h>
#include <platform/density.h>
#include <platform/dib.h>
#include <platform/drawing.h>

#include <optional>
#include <span>
#include <vector>

namespace quenby {

std::unique_ptr<TablePalette> TablePalette::Build()
{
    const std::optional<platform::Dib> dib = platform::loadBitmap(u"quenby", 170);
    if (!dib || dib->header.bitCount > 8)
        return nullptr;
    auto palette = std::make_unique<TablePalette>();
    palette->Entries.assign(dib->colourTable.begin(), dib->colourTable.end());
    palette->Entries.resize(std::size_t(1) << dib->header.bitCount, qRgb(0, 0, 0));
    return palette;
}

TableSurface::TableSurface(QSize clientSize, qreal ratio) : clientSize_(clientSize), ratio_(ratio) {}

QImage& TableSurface::Composed()
{
    if (Composition.isNull())
        Composition = platform::makeSurface(clientSize_, ratio_);
    return Composition;
}

void TableSurface::DrawBackgroundOnto(QImage& target, const Rect& area) const
{
    platform::fillArea(target, area, Colour);
    const QRect clip = area.ToQRect();
    for (const BackgroundStep& step : Steps) {
        if (!step.Place.intersects(clip))
            continue;
        switch (step.Kind) {
        case BackgroundStep::Is::Outline:
            platform::drawFocusRect(target, step.Place, clip);
            break;
        case BackgroundStep::Is::Picture:
            platform::copyImage(target, step.Place.topLeft(), step.Image->At(ratio_), area);
            break;
        case BackgroundStep::Is::CutOut:
            platform::transparentDraw(target, step.Place.topLeft(), step.Image->At(ratio_), clip);
            break;
        }
    }
}

QImage TableSurface::Background() const
{
    QImage whole = platform::makeSurface(clientSize_, ratio_);
    DrawBackgroundOnto(whole, Rect::At(0, 0, clientSize_.width(), clientSize_.height()));
    return whole;
}

namespace {

QRgb ToRgb(platform::ColorRef colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

struct Offset {
    int dx;
    int dy;
};

// The empty-pile markers of each game, as offsets from the centre, in the
// order they are drawn.
std::span<const Offset> OutlinePlaces(GameId id)
{
    static constexpr Offset auldLangSyne[] = {{-150, -100}, {-75, -100}, {4, -100}, {80, -100},
                                              {-150, 5},    {-75, 5},    {4, 5},    {80, 5}};
    static constexpr Offset canfield[] = {{-150, -150}, {-75, -150}, {4, -150}, {80, -150}, {-240, -48},
                                          {-150, -48},  {-75, -48},  {4, -48},  {80, -48},  {4, 53}};
    static constexpr Offset magicCarpet[] = {
        {-187, -200}, {-111, -200}, {-35, -200}, {41, -200}, {117, -200}, {-187, -99}, {-111, -99},
        {-35, -99},   {41, -99},    {117, -99},  {-187, 2},  {-111, 2},   {-35, 2},    {41, 2},
        {117, 2},     {-187, 103},  {-111, 103}, {-35, 103}, {41, 103},   {117, 103},  {-278, -99}};
    static constexpr Offset flowerGarden[] = {{-149, -150}, {-73, -150}, {3, -150}, {79, -150}, {-225, -48},
                                              {-149, -48},  {-73, -48},  {3, -48},  {79, -48},  {155, -48}};
    static constexpr Offset klondike[] = {{-35, -205}, {41, -205}, {117, -205}, {193, -205},
                                          {-263, -99}, {-187, -99}, {-111, -99}, {-35, -99},
                                          {41, -99},   {117, -99},  {193, -99},  {-187, -205}};
    static constexpr Offset littleSpider[] = {{-150, -48}, {-75, -48}, {4, -48},  {80, -48},
                                              {-150, -149}, {-75, -149}, {4, -149}, {80, -149},
                                              {-150, 53},  {-75, 53},  {4, 53},  {80, 53}};
    static constexpr Offset osmosis[] = {{4, -200},   {4, -99},   {4, 2},     {4, 103},  {-75, -200},
                                         {-75, -99},  {-75, 2},   {-75, 103}, {-160, -99}};
    switch (id) {
    case GameId::AuldLangSyne: return auldLangSyne;
    case GameId::Canfield: return canfield;
    case GameId::MagicCarpet: return magicCarpet;
    case GameId::FlowerGarden: return flowerGarden;
    case GameId::Klondike: return klondike;
    case GameId::LittleSpider: return littleSpider;
    case GameId::Osmosis: return osmosis;
    case GameId::GranniesClock: return {};
    case GameId::None: return {};
    }
    return {};
}

std::optional<Offset> StockPlace(GameId id)
{
    switch (id) {
    case GameId::AuldLangSyne: return Offset{-230, 5};
    case GameId::Canfield: return Offset{-75, 53};
    case GameId::MagicCarpet: return Offset{-278, 2};
    case GameId::FlowerGarden: return std::nullopt;
    case GameId::Klondike: return Offset{-263, -205};
    case GameId::LittleSpider: return Offset{-236, -48};
    case GameId::Osmosis: return Offset{-160, 2};
    case GameId::GranniesClock: return std::nullopt;
    case GameId::None: return std::nullopt;
    }
    return std::nullopt;
}

bool IsGame(GameId id)
{
    const int value = int(id);
    return value >= 100 && value <= 800;
}

} // namespace

void DrawBackground(TableState& table)
{
    if (!table.TableSurface)
        return;
    TableSurface& surface = *table.TableSurface;
    surface.Colour = ToRgb(table.TableColour);
    surface.Steps.clear();
    const QPoint centre = table.Centre();
    const GameId id = table.GameTable.GameId;

    if (!IsGame(id)) {
        const Card title(TitleBitmap);
        if (title.Bitmap)
            surface.Steps.push_back({BackgroundStep::Is::CutOut,
                                     QRect(centre.x() - title.Width() / 2, centre.y() - title.Height() / 2,
                                           title.Width(), title.Height()),
                                     title.Bitmap});
        return;
    }
    for (const Offset& place : OutlinePlaces(id))
        surface.Steps.push_back({BackgroundStep::Is::Outline,
                                 QRect(centre.x() + place.dx, centre.y() + place.dy, CardWidth, CardHeight), nullptr});
    if (const std::optional<Offset> stock = StockPlace(id)) {
        const QRect place(centre.x() + stock->dx, centre.y() + stock->dy, CardWidth, CardHeight);
        if (table.GameTable.Stock.Count() > 0) {
            const Card back(table.CardBackId, 0, place.x(), place.y());
            if (back.Bitmap)
                surface.Steps.push_back({BackgroundStep::Is::Picture, QRect(place.topLeft(), QSize(back.Width(), back.Height())),
                                         back.Bitmap});
        } else {
            surface.Steps.push_back({BackgroundStep::Is::Outline, place, nullptr});
        }
    }
}

Rect Paint(TableState& table)
{
    if (!table.TableSurface) {
        table.DirtyRect = {};
        return {};
    }
    // A composition made just now holds nothing yet: all of it is dirty.
    if (table.DirtyRect.IsEmpty() || table.TableSurface->Composition.isNull())
        table.DirtyRect = table.ClientRect();
    // One walk: a card meeting the rectangle as it stands is added; one that
    // only meets it after later growth is not (the composition outside the
    // rectangle is already right, so the picture inside it is too).
    for (const Card* card : table.PaintList)
        if (card->Bounds.Intersects(table.DirtyRect))
            table.DirtyRect.Unite(card->Bounds);

    const Rect area = table.DirtyRect.Intersected(table.ClientRect());
    table.DirtyRect = {};
    if (area.IsEmpty())
        return {};
    PaintOnto(table, table.TableSurface->Composed(), area);
    return area;
}

void PaintOnto(const TableState& table, QImage& target, const Rect& area)
{
    // Only what shows of each card inside the area is copied: the rest of the
    // picture is already right, and a drag then costs the same at any window
    // size and over any depth of pile.
    const qreal ratio = target.devicePixelRatio();
    std::vector<platform::Layer> layers;
    for (const Card* card : table.PaintList)
        if (card->Bitmap && card->Bounds.Intersects(area))
            layers.push_back({QPoint(card->Left(), card->Top()), &card->Bitmap->At(ratio)});
    table.TableSurface->DrawBackgroundOnto(target, area);
    platform::composeArea(target, QImage(), layers, area);
}

void ReplaceSurface(TableState& table)
{
    table.TableSurface = std::make_unique<TableSurface>(table.ClientSize, table.PixelRatio);
    table.DirtyRect = table.ClientRect();
    DrawBackground(table);
    Relayout(table);
    table.DirtyRect = table.ClientRect();
}

} // namespace quenby
