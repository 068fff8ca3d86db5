#include "tablesurface.h"

#include "tablestate.h"

#include <games/frame.h>
#include <platform/density.h>
#include <platform/dib.h>
#include <platform/drawing.h>

#include <QPainter>

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

void DrawTitle(TableSurface& surface, QPoint centre)
{
    const Card title(TitleBitmap);
    if (title.Bitmap)
        surface.Steps.push_back({BackgroundStep::Is::CutOut,
                                 QRect(centre.x() - title.Width() / 2, centre.y() - title.Height() / 2, title.Width(),
                                       title.Height()),
                                 title.Bitmap});
}

// The outlines of the game's piles, then its stock: the back of a card while
// it holds any, an outline once it is empty.
void DrawPlaces(TableSurface& surface, const TableState& table, const GameLayout& layout)
{
    const QPoint centre = table.Centre();
    for (const PileEntry& pile : layout.piles)
        if (pile.outlined)
            surface.Steps.push_back({BackgroundStep::Is::Outline,
                                     QRect(centre.x() + pile.place.dx, centre.y() + pile.place.dy, CardWidth, CardHeight),
                                     nullptr});
    if (!layout.stock)
        return;
    const QRect place(centre.x() + layout.stock->dx, centre.y() + layout.stock->dy, CardWidth, CardHeight);
    if (table.GameTable.Stock.Count() > 0) {
        const Card back(table.CardBackId, 0, place.x(), place.y());
        if (back.Bitmap)
            surface.Steps.push_back(
                {BackgroundStep::Is::Picture, QRect(place.topLeft(), QSize(back.Width(), back.Height())), back.Bitmap});
    } else {
        surface.Steps.push_back({BackgroundStep::Is::Outline, place, nullptr});
    }
}

// A black, a white and a black line inside `bounds`: it shows on any table
// colour and over any card.
void DrawFocusRing(QImage& target, const Rect& bounds, const Rect& area)
{
    QPainter painter(&target);
    painter.setClipRect(area.ToQRect());
    QRect ring = bounds.ToQRect();
    for (const QColor colour : {Qt::black, Qt::white, Qt::black}) {
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), colour);
        painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), colour);
        painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), colour);
        painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), colour);
        ring.adjust(1, 1, -1, -1);
    }
}

} // namespace

void DrawBackground(TableState& table)
{
    if (!table.TableSurface)
        return;
    TableSurface& surface = *table.TableSurface;
    surface.Colour = ToRgb(table.TableColour);
    surface.Steps.clear();
    std::visit(
        [&](const auto& game) {
            if constexpr (IsGame<decltype(game)>)
                DrawPlaces(surface, table, game.Layout);
            else
                DrawTitle(surface, table.Centre());
        },
        table.GameTable.Game);
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
    if (table.FocusRing.Intersects(area))
        DrawFocusRing(target, table.FocusRing, area);
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
