#include "platform/density.h"

#include "platform/largeimage.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

namespace platform {

QImage makeSurface(QSize logical, qreal ratio)
{
    QImage surface = largeImage(deviceSize(logical, ratio), QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    return surface;
}

void paintSurface(QPainter& painter, const QImage& surface, const QRect& area)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const qreal ratio = surface.devicePixelRatio();
    if (ratio == 1) {
        painter.drawImage(area, surface, area);
        return;
    }
    const QRect pixels =
        toDevice(Rect::FromQRect(area), ratio).Intersected(Rect::At(0, 0, surface.width(), surface.height())).ToQRect();
    if (pixels.isEmpty())
        return;
    if (painter.device() && painter.device()->devicePixelRatio() != ratio) {
        painter.drawImage(area, surface, pixels);
        return;
    }
    // Undoing the painter's own scaling leaves a copy of device pixels to
    // device pixels, which the raster engine does as a plain blit.
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    painter.drawImage(pixels, surface, pixels);
    painter.restore();
}

QImage windowPictureUnder(QPaintDevice* device, QPoint offset, QSize logicalSize, qreal ratio)
{
    auto* window = dynamic_cast<QImage*>(device);
    if (!window || ratio != std::floor(ratio) || window->devicePixelRatio() != ratio)
        return {};
    switch (window->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        break;
    default:
        return {};
    }
    // The offset leads from the widget to the window's corner.
    const QPoint origin = toDevice(-offset, ratio);
    const QSize size = deviceSize(logicalSize, ratio);
    if (origin.x() < 0 || origin.y() < 0 || origin.x() + size.width() > window->width()
        || origin.y() + size.height() > window->height() || size.isEmpty())
        return {};
    const qsizetype stride = window->bytesPerLine();
    QImage under(window->bits() + origin.y() * stride + qsizetype(origin.x()) * 4, size.width(), size.height(), stride,
                 window->format());
    under.setDevicePixelRatio(ratio);
    return under;
}

} // namespace platform
