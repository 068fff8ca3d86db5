#include "density.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QWidget>

namespace hidpi {

qreal ScreenRatio() { return qGuiApp->devicePixelRatio(); }

::testing::AssertionResult ShowsPicture(const QImage& surface, const platform::Rect& place, const QImage& picture)
{
    const platform::Rect pixels = platform::toDevice(place, surface.devicePixelRatio());
    if (picture.width() < pixels.Width() || picture.height() < pixels.Height())
        return ::testing::AssertionFailure() << "the picture is smaller than its place";
    for (int y = pixels.top; y < pixels.bottom; ++y)
        for (int x = pixels.left; x < pixels.right; ++x)
            if ((surface.pixel(x, y) | 0xFF000000) != (picture.pixel(x - pixels.left, y - pixels.top) | 0xFF000000))
                return ::testing::AssertionFailure() << "device pixel " << x << "," << y << " differs";
    return ::testing::AssertionSuccess();
}

QImage WindowPicture(QWidget& widget)
{
    QBackingStore* store = widget.window()->backingStore();
    if (!store)
        return {};
    const QPoint at = widget.mapTo(widget.window(), QPoint(0, 0));
    return platform::windowPictureUnder(store->paintDevice(), -at, widget.size(),
                                        platform::surfaceRatio(widget.devicePixelRatioF()));
}

::testing::AssertionResult SamePixels(const QImage& image, const QImage& expected)
{
    if (image.size() != expected.size())
        return ::testing::AssertionFailure() << "sizes differ";
    const QImage a = image.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " differs";
    return ::testing::AssertionSuccess();
}

} // namespace hidpi
