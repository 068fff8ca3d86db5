#include "platform/drawing.h"

#include "platform/density.h"

#include <QPainter>
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
void blend(QImage& target, QPoint at, const QImage& source, Op op, const QRect& clip = QRect())
{
    if (!drawable(target) || source.isNull())
        return;
    const qreal ratio = target.devicePixelRatio();
    at = toDevice(at, ratio);
    QRect area = QRect(at, source.size()) & target.rect();
    if (clip.isValid())
        area &= toDevice(Rect::FromQRect(clip), ratio).ToQRect();
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

namespace {

// The frame of `rect` on `target`, as thick as the target's ratio rounds to:
// `op(pixel, x, y)` once for each of its pixels, corners included.
template <typename Op>
void forFramePixels(QImage& target, const QRect& rect, const QRect& clip, Op op)
{
    if (!drawable(target) || rect.width() <= 0 || rect.height() <= 0)
        return;
    const qreal ratio = target.devicePixelRatio();
    const int thickness = std::max(1, int(std::lround(ratio)));
    const Rect frame = toDevice(Rect::FromQRect(rect), ratio);
    const Rect inner{frame.left + thickness, frame.top + thickness, frame.right - thickness,
                     frame.bottom - thickness};
    Rect visible = frame.Intersected(Rect::At(0, 0, target.width(), target.height()));
    if (clip.isValid())
        visible = visible.Intersected(toDevice(Rect::FromQRect(clip), ratio));
    for (int y = visible.top; y < visible.bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        const bool band = y < inner.top || y >= inner.bottom || inner.IsEmpty();
        for (int x = visible.left; x < visible.right; ++x) {
            if (!band && x >= inner.left && x < inner.right) {
                x = inner.right - 1; // across the inside to the right side
                continue;
            }
            op(line[x], x / thickness, y / thickness);
        }
    }
}

} // namespace

void drawFocusRect(QImage& target, const QRect& rect, const QRect& clip)
{
    // The dots follow a checkerboard fixed to the image, not to the frame, so
    // frames side by side dot alike; each frame pixel is visited once, so a
    // second drawing restores the picture exactly. On a denser surface the
    // dots grow with the line.
    forFramePixels(target, rect, clip, [](QRgb& pixel, int column, int row) {
        if (((column + row) & 1) == 0)
            pixel ^= rgbBits;
    });
}

void frameRect(QImage& target, const QRect& rect, QRgb colour)
{
    forFramePixels(target, rect, QRect(), [colour](QRgb& pixel, int, int) { pixel = colour; });
}

void transparentDraw(QImage& target, QPoint at, const QImage& image, const QRect& clip)
{
    // The mask AND followed by the image OR, done in one pass: under a black
    // image pixel the mask is white and the OR adds nothing; elsewhere the mask
    // clears the target and the OR puts the image there.
    const auto maskThenImage = [](QRgb t, QRgb s) {
        if ((s & rgbBits) == 0)
            return t;
        return (t & ~rgbBits) | (s & rgbBits);
    };
    blend(target, at, image, maskThenImage, clip);
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

namespace {

// `source` drawn by Qt into the logical `clip` at `at`: only for a picture
// made for another ratio than the target's.
void drawScaled(QImage& target, QPoint at, const QImage& source, const Rect& clip)
{
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(clip.ToQRect());
    painter.drawImage(QRect(at, logicalSize(source)), source);
}

} // namespace

void copyImage(QImage& target, QPoint at, const QImage& source, const Rect& clip)
{
    const qreal ratio = target.devicePixelRatio();
    if (ratio == 1 && source.devicePixelRatio() == 1) {
        const Rect area = Rect::At(at.x(), at.y(), source.width(), source.height())
                              .Intersected(clip)
                              .Intersected(Rect::At(0, 0, target.width(), target.height()));
        copyRows(target, source, at, area);
        return;
    }
    if (source.devicePixelRatio() != ratio) {
        drawScaled(target, at, source, clip);
        return;
    }
    // The picture's logical place decides what it covers; its pixels may
    // reach one further where the place rounds narrower.
    const QSize size = logicalSize(source);
    const QPoint origin = toDevice(at, ratio);
    const Rect area = toDevice(Rect::At(at.x(), at.y(), size.width(), size.height()).Intersected(clip), ratio)
                          .Intersected(Rect::At(origin.x(), origin.y(), source.width(), source.height()))
                          .Intersected(Rect::At(0, 0, target.width(), target.height()));
    copyRows(target, source, origin, area);
}

void fillArea(QImage& target, const Rect& area, QRgb colour)
{
    const qreal ratio = target.devicePixelRatio();
    const Rect pixels =
        (ratio == 1 ? area : toDevice(area, ratio)).Intersected(Rect::At(0, 0, target.width(), target.height()));
    if (pixels.IsEmpty() || !drawable(target))
        return;
    const qsizetype stride = target.bytesPerLine();
    uchar* row = target.bits() + pixels.top * stride + qsizetype(pixels.left) * 4;
    for (int y = pixels.top; y < pixels.bottom; ++y, row += stride)
        std::fill_n(reinterpret_cast<QRgb*>(row), pixels.Width(), colour);
}

void copyArea(QImage& target, const QImage& source, const Rect& area)
{
    const qreal ratio = target.devicePixelRatio();
    const Rect pixels = ratio == 1 ? area : toDevice(area, ratio);
    const Rect inside = pixels.Intersected(Rect::At(0, 0, std::min(target.width(), source.width()),
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
    const QSize targetSize = logicalSize(target);
    const Rect inside = area.Intersected(Rect::At(0, 0, targetSize.width(), targetSize.height()));
    if (inside.IsEmpty())
        return;
    // parts[0] is the background's share of the area, parts[i + 1] layer i's;
    // all in logical pixels, which the copies then place on the surface.
    std::vector<Rect> parts;
    parts.reserve(layers.size() + 1);
    parts.push_back(inside);
    for (const Layer& layer : layers) {
        const QSize size = logicalSize(*layer.image);
        parts.push_back(Rect::At(layer.at.x(), layer.at.y(), size.width(), size.height()).Intersected(inside));
    }
    std::vector<Rect> pieces;
    std::vector<Rect> next;
    pieces.reserve((MaxPieces + 1) * 4);
    next.reserve((MaxPieces + 1) * 4);
    // Without a background picture the area's background is already there.
    for (std::size_t i = background.isNull() ? 1 : 0; i < parts.size(); ++i) {
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
