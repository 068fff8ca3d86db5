#pragma once
// Drawing operations with no single Qt call: the inverting dotted focus frame
// and a picture whose black is transparent (a mask ANDed, the picture ORed).
// Positions and rectangles are logical pixels; a target tagged with a device
// pixel ratio above 1 is drawn at its own density, its pictures made for it.
#include "platform/rect.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <span>
#include <vector>

namespace platform {

// Inverts every other pixel along the one-pixel frame of `rect` (drawn twice,
// the frame disappears again), only inside `clip` when one is given. `target`
// is Format_RGB32 or ARGB32. On a denser target the line and its dots are as
// thick as the ratio rounds to.
void drawFocusRect(QImage& target, const QRect& rect, const QRect& clip = QRect());

// The one-pixel frame of `rect` in `colour`, the same thickness as above.
void frameRect(QImage& target, const QRect& rect, QRgb colour);

// Draws `image` at `at` so that its pure black pixels leave the target as it
// was: a mask (black -> white, other -> black) ANDed, then the image ORed;
// only inside `clip` when one is given.
void transparentDraw(QImage& target, QPoint at, const QImage& image, const QRect& clip = QRect());

// `area` filled with `colour`.
void fillArea(QImage& target, const Rect& area, QRgb colour);

// The plain copies of an off-screen table: `source` placed with its top-left
// at `at`, only inside `clip` and the target; and one area of an image onto
// the same area of another of the same size. Both images are Format_RGB32;
// each row is one memcpy, with the images' bits fetched once per call.
void copyImage(QImage& target, QPoint at, const QImage& source, const Rect& clip);
void copyArea(QImage& target, const QImage& source, const Rect& area);

// One opaque picture of a stack composed over a background: `image` with its
// top-left at `at`.
struct Layer {
    QPoint at;
    const QImage* image;
};

// Recomposes `area` of `target` as the background with the layers copied over
// it in order, but copies of each (the background included) only the parts
// that the later layers leave showing: a card buried under a fanned pile
// costs its visible strip, not its whole height. A null background means the
// area's background is on the target already.
void composeArea(QImage& target, const QImage& background, std::span<const Layer> layers, const Rect& area);

// The parts of `part` that no rectangle of `above` covers, as rectangles that
// do not overlap, into `pieces`. Past MaxPieces the splitting stops and the
// pieces left may hold covered pixels too, never miss an uncovered one.
constexpr std::size_t MaxPieces = 48;
void uncoveredParts(const Rect& part, std::span<const Rect> above, std::vector<Rect>& pieces);

} // namespace platform
