#pragma once
// Logical pixels, in which the programs give every position and size, and
// device pixels, in which a table surface is drawn for a screen of higher
// density. A surface or picture carries its ratio as its devicePixelRatio.
#include "platform/rect.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <cmath>

class QPaintDevice;
class QPainter;

namespace platform {

// Where a logical edge falls on a surface of `ratio`. Every edge rounds the
// same way, so rectangles that meet or tile in logical pixels still meet or
// tile on the surface; at a whole ratio it is a plain multiplication.
inline int toDevice(int logical, qreal ratio) { return int(std::floor(logical * ratio + 0.5)); }
inline QPoint toDevice(QPoint logical, qreal ratio)
{
    return {toDevice(logical.x(), ratio), toDevice(logical.y(), ratio)};
}
inline Rect toDevice(const Rect& logical, qreal ratio)
{
    return {toDevice(logical.left, ratio), toDevice(logical.top, ratio), toDevice(logical.right, ratio),
            toDevice(logical.bottom, ratio)};
}

// The pixels a picture or surface of `logical` length needs at `ratio`
// (enough for the widest place it can land on), and the logical length of
// one so made. The pair round-trips for every ratio of 1 and above.
inline int deviceLength(int logical, qreal ratio) { return int(std::ceil(logical * ratio - 1e-6)); }
inline int logicalLength(int device, qreal ratio) { return int(std::floor(device / ratio + 1e-6)); }
inline QSize deviceSize(QSize logical, qreal ratio)
{
    return {deviceLength(logical.width(), ratio), deviceLength(logical.height(), ratio)};
}
inline QSize logicalSize(const QImage& image)
{
    const qreal ratio = image.devicePixelRatio();
    if (ratio == 1)
        return image.size();
    return {logicalLength(image.width(), ratio), logicalLength(image.height(), ratio)};
}

// The ratio a surface is drawn at for a window of `devicePixelRatio`: below
// 1 there is nothing to gain over the pictures as they are.
inline qreal surfaceRatio(qreal devicePixelRatio) { return devicePixelRatio > 1 ? devicePixelRatio : 1; }

// An RGB32 surface of `logical` size drawn at `ratio`, tagged with it.
QImage makeSurface(QSize logical, qreal ratio);

// The logical rectangle to ask the window system to repaint so that the
// device pixels of `logical` are all repainted: at a fractional ratio it
// rounds device edges its own way, so one logical pixel more on each side.
inline QRect repaintArea(const Rect& logical, qreal ratio)
{
    const QRect area = logical.ToQRect();
    return ratio == std::floor(ratio) ? area : area.adjusted(-1, -1, 1, 1);
}

// Puts the logical `area` of `surface` on the painter's device as it stands:
// pixel for pixel when the device has the surface's ratio, scaled otherwise.
void paintSurface(QPainter& painter, const QImage& surface, const QRect& area);

// While Qt paints a widget straight into its window's own raster picture,
// the part of that picture under the widget, sharing its pixels, so that a
// surface can be composed right onto it instead of into a copy first.
// `device` and `offset` are what the widget's redirected() reports. A null
// image for anything else: a grab into a pixmap, a picture of another format
// or ratio, a fractional ratio (where Qt places the widget on its own
// rounding), or a widget not wholly inside the picture.
QImage windowPictureUnder(QPaintDevice* device, QPoint offset, QSize logicalSize, qreal ratio);

} // namespace platform
