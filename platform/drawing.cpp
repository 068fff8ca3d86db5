#include "platform/drawing.h"

#include <cstring>
#include <vector>

namespace platform {

namespace {

constexpr QRgb rgbBits = 0x00FFFFFF;

bool drawable(const QImage& target)
{
    switch (target.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

QImage asRgb32(const QImage& source)
{
    if (source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
        || source.format() == QImage::Format_ARGB32_Premultiplied)
        return source;
    return source.convertToFormat(QImage::Format_RGB32);
}

// Runs `op(targetPixel, sourcePixel)` over the part of `source` placed at `at`
// that falls inside `target`.
template <typename Op>
void blend(QImage& target, QPoint at, const QImage& source, Op op)
{
    if (!drawable(target) || source.isNull())
        return;
    const QRect area = QRect(at, source.size()) & target.rect();
    if (area.isEmpty())
        return;
    const QImage src = asRgb32(source);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y - at.y()));
        for (int x = area.left(); x <= area.right(); ++x)
            out[x] = op(out[x], in[x - at.x()]);
    }
}

} // namespace

void drawFocusRect(QImage& target, const QRect& rect)
{
    if (!drawable(target) || rect.width() <= 0 || rect.height() <= 0)
        return;
    const int left = rect.left();
    const int top = rect.top();
    const int right = left + rect.width() - 1;
    const int bottom = top + rect.height() - 1;
    // The dots follow a checkerboard fixed to the image, not to the frame, so
    // frames side by side dot alike; each frame pixel is visited once, corners
    // included, so a second drawing restores the picture exactly.
    const auto invert = [&target](int x, int y) {
        if (!target.rect().contains(x, y) || ((x + y) & 1) != 0)
            return;
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        line[x] ^= rgbBits;
    };
    for (int x = left; x <= right; ++x) {
        invert(x, top);
        if (bottom != top)
            invert(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        invert(left, y);
        if (right != left)
            invert(right, y);
    }
}

void copyAnd(QImage& target, QPoint at, const QImage& source)
{
    blend(target, at, source, [](QRgb t, QRgb s) { return t & (s | ~rgbBits); });
}

void copyOr(QImage& target, QPoint at, const QImage& source)
{
    blend(target, at, source, [](QRgb t, QRgb s) { return t | (s & rgbBits); });
}

void transparentDraw(QImage& target, QPoint at, const QImage& image)
{
    // The mask AND followed by the image OR, done in one pass: under a black
    // image pixel the mask is white and the OR adds nothing; elsewhere the mask
    // clears the target and the OR puts the image there.
    blend(target, at, image, [](QRgb t, QRgb s) {
        if ((s & rgbBits) == 0)
            return t;
        return (t & ~rgbBits) | (s & rgbBits);
    });
}

namespace {

// Copies the rows of `area` (in target coordinates) from `source`, whose
// pixel (0, 0) lies at `origin` of the target.
void copyRows(QImage& target, const QImage& source, QPoint origin, const Rect& area)
{
    if (area.IsEmpty())
        return;
    const qsizetype targetStride = target.bytesPerLine();
    const qsizetype sourceStride = source.bytesPerLine();
    uchar* to = target.bits() + area.top * targetStride + qsizetype(area.left) * 4;
    const uchar* from = source.constBits() + (area.top - origin.y()) * sourceStride
                        + qsizetype(area.left - origin.x()) * 4;
    const std::size_t bytes = std::size_t(area.Width()) * 4;
    for (int row = area.top; row < area.bottom; ++row, to += targetStride, from += sourceStride)
        std::memcpy(to, from, bytes);
}

} // namespace

void copyImage(QImage& target, QPoint at, const QImage& source, const Rect& clip)
{
    const Rect area = Rect::At(at.x(), at.y(), source.width(), source.height())
                          .Intersected(clip)
                          .Intersected(Rect::At(0, 0, target.width(), target.height()));
    copyRows(target, source, at, area);
}

void copyArea(QImage& target, const QImage& source, const Rect& area)
{
    const Rect inside = area.Intersected(Rect::At(0, 0, std::min(target.width(), source.width()),
                                                  std::min(target.height(), source.height())));
    copyRows(target, source, QPoint(0, 0), inside);
}

namespace {

// Appends the parts of `piece` outside `cover`: the bands above and below it
// right across, then the pieces left and right of it; full-width bands first,
// as the copies cost by the row.
void subtract(const Rect& piece, const Rect& cover, std::vector<Rect>& out)
{
    const Rect c = piece.Intersected(cover);
    if (c.IsEmpty()) {
        out.push_back(piece);
        return;
    }
    const Rect bands[] = {{piece.left, piece.top, piece.right, c.top},
                          {piece.left, c.bottom, piece.right, piece.bottom},
                          {piece.left, c.top, c.left, c.bottom},
                          {c.right, c.top, piece.right, c.bottom}};
    for (const Rect& band : bands)
        if (!band.IsEmpty())
            out.push_back(band);
}

} // namespace

namespace {

// uncoveredParts with the caller's scratch for the next round of pieces, so
// that a repaint of many layers allocates once.
void splitAround(const Rect& part, std::span<const Rect> above, std::vector<Rect>& pieces, std::vector<Rect>& next)
{
    pieces.clear();
    if (part.IsEmpty())
        return;
    pieces.push_back(part);
    for (const Rect& cover : above) {
        // Past a few dozen splinters the rest are copied as they stand: they
        // still hold every pixel that shows, and copying a covered one is
        // only wasted work.
        if (pieces.empty() || pieces.size() > MaxPieces)
            return;
        if (!cover.Intersects(part))
            continue;
        next.clear();
        for (const Rect& piece : pieces)
            subtract(piece, cover, next);
        pieces.swap(next);
    }
}

} // namespace

void uncoveredParts(const Rect& part, std::span<const Rect> above, std::vector<Rect>& pieces)
{
    std::vector<Rect> next;
    splitAround(part, above, pieces, next);
}

void composeArea(QImage& target, const QImage& background, std::span<const Layer> layers, const Rect& area)
{
    const Rect inside = area.Intersected(Rect::At(0, 0, target.width(), target.height()));
    if (inside.IsEmpty())
        return;
    // parts[0] is the background's share of the area, parts[i + 1] layer i's.
    std::vector<Rect> parts;
    parts.reserve(layers.size() + 1);
    parts.push_back(inside);
    for (const Layer& layer : layers)
        parts.push_back(
            Rect::At(layer.at.x(), layer.at.y(), layer.image->width(), layer.image->height()).Intersected(inside));
    std::vector<Rect> pieces;
    std::vector<Rect> next;
    pieces.reserve((MaxPieces + 1) * 4);
    next.reserve((MaxPieces + 1) * 4);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        splitAround(parts[i], std::span<const Rect>(parts).subspan(i + 1), pieces, next);
        for (const Rect& piece : pieces) {
            if (i == 0)
                copyArea(target, background, piece);
            else
                copyImage(target, layers[i - 1].at, *layers[i - 1].image, piece);
        }
    }
}

} // namespace platform
