#pragma once
// The off-screen picture of the table: a background (colour, outlines, stock
// or title picture) and a composition onto which the cards are painted; only
// the dirty rectangle is ever recomposed and copied to the screen.
#include <platform/rect.h>

#include <QImage>
#include <QRgb>
#include <QSize>
#include <memory>
#include <vector>

namespace quenby {

using platform::Rect;

struct TableState;

// The colour table of bitmap 170. Realising it changes nothing on the
// true-colour displays we run on; it is kept for the cards' colour model.
struct TablePalette {
    static std::unique_ptr<TablePalette> Build();
    std::vector<QRgb> Entries;
};

// Both pictures are kept in device pixels at `ratio`, tagged with it; what
// is drawn on them is placed in logical pixels. The composition is made on
// first use: where the table is composed straight onto the window's own
// picture it is never needed.
class TableSurface {
public:
    TableSurface(QSize clientSize, qreal ratio);
    QImage& Composed();
    QImage Background;
    QImage Composition;

private:
    QSize clientSize_;
};

// Table colour, then the outline places of the game in play and its stock, or
// the title picture while no game is dealt.
void DrawBackground(TableState& table);
// Recomposes DirtyRect (an empty one means the whole client area) and returns
// the rectangle to copy from Composition to the screen; DirtyRect is emptied.
Rect Paint(TableState& table);
// Composes `area` of the table, background and cards, onto `target` (a
// picture of the client area at the surface's ratio).
void PaintOnto(const TableState& table, QImage& target, const Rect& area);
// After a resize, a colour change, a move to a screen of other density and at
// start-up: a new surface of ClientSize at PixelRatio, the table laid out
// again, DirtyRect the whole client area.
void ReplaceSurface(TableState& table);

} // namespace quenby
