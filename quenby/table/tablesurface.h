#pragma once
// The off-screen table: a background (colour, outlines, stock or title
// picture) and the cards composed over it; only the dirty rectangle is ever
// recomposed and put on the screen.
#include "card.h"

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

// One thing the background shows: a dotted outline, or a card picture, opaque
// (the stock's back) or with its black transparent (the title).
struct BackgroundStep {
    enum class Is { Outline, Picture, CutOut };
    Is Kind;
    QRect Place;
    std::shared_ptr<const CardImage> Image;
};

// The table's background is not kept as a picture: DrawBackground settles
// what it shows, and each paint draws that into the area it composes, which
// spares a window-sized picture. The composition, in device pixels at
// `ratio`, is made on first use: where the table is composed straight onto
// the window's own picture it is never needed.
class TableSurface {
public:
    TableSurface(QSize clientSize, qreal ratio);
    QImage& Composed();
    // The background's share of `area` drawn onto `target`, a picture of the
    // client area at the surface's ratio.
    void DrawBackgroundOnto(QImage& target, const Rect& area) const;
    // The whole background as a picture of its own.
    QImage Background() const;

    QRgb Colour = 0;
    std::vector<BackgroundStep> Steps;
    QImage Composition;

private:
    QSize clientSize_;
    qreal ratio_;
};

// Settles the background as the table stands now: table colour, then the
// outline places of the game in play and its stock, or the title picture
// while no game is dealt.
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
