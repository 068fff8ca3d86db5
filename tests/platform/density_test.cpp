// Surfaces drawn in device pixels at a ratio above 1 while everything is
// placed in logical pixels: the mapping, the composition of layers, the
// frames and the copy of a surface onto a painter.
#include "platform/density.h"
#include "platform/drawing.h"

#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr qreal Ratios[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3};

// A picture of `logical` size at `ratio` whose every pixel differs.
QImage Picture(QSize logical, qreal ratio, int seed)
{
    QImage image(deviceSize(logical, ratio), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 3 + seed * 50) & 0xFF, (y * 5 + seed * 30) & 0xFF, (x + y + seed) & 0xFF));
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

TEST(Density, LengthsRoundTripAndEveryPlaceFitsItsPicture)
{
    for (const qreal ratio : Ratios)
        for (int length = 1; length <= 400; ++length) {
            const int device = deviceLength(length, ratio);
            ASSERT_EQ(logicalLength(device, ratio), length) << ratio << " " << length;
            if (ratio == 2) {
                ASSERT_EQ(device, 2 * length);
            }
            // Wherever a picture lands, its place is no wider than its pixels,
            // and places side by side leave no gap.
            for (int x = -40; x < 40; ++x) {
                ASSERT_LE(toDevice(x + length, ratio) - toDevice(x, ratio), device) << ratio << " " << x;
                ASSERT_GE(toDevice(x + length, ratio) - toDevice(x, ratio), device - 1) << ratio << " " << x;
            }
        }
    EXPECT_EQ(surfaceRatio(0.5), 1);
    EXPECT_EQ(surfaceRatio(1.5), 1.5);
}

// A drag in miniature at each ratio: layers move about and only the areas
// they left and entered are composed again, which must come out exactly as a
// composition of the whole.
TEST(Density, PartialCompositionsEqualAWholeOneAtEveryRatio)
{
    for (const qreal ratio : Ratios) {
        const QSize client(160, 120);
        const QImage background = Picture(client, ratio, 7);
        std::vector<QImage> pictures;
        std::vector<Layer> layers;
        for (int i = 0; i < 6; ++i)
            pictures.push_back(Picture(QSize(31 + i, 43 - i), ratio, i));
        for (int i = 0; i < 6; ++i)
            layers.push_back({QPoint(10 + 17 * i, 5 + 11 * i), &pictures[std::size_t(i)]});
        QImage partial = makeSurface(client, ratio);
        composeArea(partial, background, layers, Rect::At(0, 0, client.width(), client.height()));

        QRandomGenerator random(42);
        for (int step = 0; step < 60; ++step) {
            Layer& layer = layers[std::size_t(random.bounded(6))];
            const QSize size = logicalSize(*layer.image);
            Rect dirty = Rect::At(layer.at.x(), layer.at.y(), size.width(), size.height());
            layer.at += QPoint(random.bounded(-13, 14), random.bounded(-9, 10));
            dirty.Unite(Rect::At(layer.at.x(), layer.at.y(), size.width(), size.height()));
            composeArea(partial, background, layers, dirty);

            QImage whole = makeSurface(client, ratio);
            composeArea(whole, background, layers, Rect::At(0, 0, client.width(), client.height()));
            ASSERT_EQ(partial, whole) << "ratio " << ratio << ", step " << step;
        }
        EXPECT_EQ(partial.devicePixelRatio(), ratio);
    }
}

TEST(Density, FramesThickenWithTheRatioAndFocusFramesStillUndoThemselves)
{
    QImage image = makeSurface(QSize(40, 30), 2);
    image.fill(qRgb(128, 0, 128));
    const QImage before = image.copy();
    drawFocusRect(image, QRect(5, 4, 10, 8)); // device pixels 10..29 by 8..23
    const QRgb inverted = qRgb(127, 255, 127);
    for (int y = 8; y < 24; ++y)
        for (int x = 10; x < 30; ++x) {
            const bool band = x < 12 || x >= 28 || y < 10 || y >= 22;
            const bool dot = ((x / 2 + y / 2) & 1) == 0;
            ASSERT_EQ(image.pixel(x, y) | 0xFF000000, band && dot ? inverted : qRgb(128, 0, 128)) << x << "," << y;
        }
    EXPECT_EQ(image.pixel(9, 8), before.pixel(9, 8));
    EXPECT_EQ(image.pixel(30, 23), before.pixel(30, 23));
    drawFocusRect(image, QRect(5, 4, 10, 8));
    EXPECT_EQ(image, before);

    // At ratio 1 a frame is what a one-pixel pen draws round the rectangle.
    QImage framed(40, 30, QImage::Format_RGB32);
    framed.fill(Qt::white);
    QImage painted = framed.copy();
    frameRect(framed, QRect(3, 4, 20, 15), qRgb(0, 0, 0));
    QPainter painter(&painted);
    painter.setPen(Qt::black);
    painter.drawRect(3, 4, 19, 14);
    painter.end();
    EXPECT_EQ(framed, painted);
}

TEST(Density, PicturesOfAnotherRatioAreScaledIntoTheirPlaceOnly)
{
    QImage target = makeSurface(QSize(50, 40), 2);
    target.fill(Qt::white);
    QImage plain(10, 10, QImage::Format_RGB32);
    plain.fill(qRgb(0, 0, 255));
    copyImage(target, QPoint(7, 9), plain, Rect::At(0, 0, 50, 40));
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x) {
            const bool inside = x >= 14 && x < 34 && y >= 18 && y < 38;
            ASSERT_EQ(target.pixel(x, y) | 0xFF000000, inside ? qRgb(0, 0, 255) : qRgb(255, 255, 255))
                << x << "," << y;
        }
}

// What a painter of the surface's ratio receives is the surface pixel for
// pixel; partial copies build the same picture as a whole one.
TEST(Density, SurfacesReachADeviceOfTheirRatioPixelForPixel)
{
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const QSize logical(90, 70);
        const QImage surface = Picture(logical, ratio, 3);
        QImage device(surface.size(), QImage::Format_RGB32);
        device.setDevicePixelRatio(ratio);
        device.fill(Qt::black);
        QPainter painter(&device);
        for (const QRect area : {QRect(0, 0, 45, 70), QRect(45, 0, 45, 33), QRect(45, 33, 45, 37)})
            paintSurface(painter, surface, area);
        painter.end();
        EXPECT_EQ(device, surface) << "ratio " << ratio;
    }
}

// The window's own picture is written straight through only where that is
// exact: a raster image of the surface's whole ratio with the widget inside.
TEST(Density, WindowPicturesAreSharedOnlyWhereTheyCanBeWrittenExactly)
{
    QImage window(200, 100, QImage::Format_RGB32);
    window.setDevicePixelRatio(2);
    window.fill(Qt::white);
    // A widget at logical (10, 5), 40 by 20: its offset leads back to the corner.
    QImage under = windowPictureUnder(&window, QPoint(-10, -5), QSize(40, 20), 2);
    ASSERT_FALSE(under.isNull());
    EXPECT_EQ(under.size(), QSize(80, 40));
    EXPECT_EQ(under.devicePixelRatio(), 2);
    under.setPixel(0, 0, qRgb(1, 2, 3));
    under.setPixel(79, 39, qRgb(4, 5, 6));
    EXPECT_EQ(window.pixel(20, 10) | 0xFF000000, qRgb(1, 2, 3)) << "the pixels are the window's own";
    EXPECT_EQ(window.pixel(99, 49) | 0xFF000000, qRgb(4, 5, 6));

    EXPECT_TRUE(windowPictureUnder(&window, QPoint(-10, -5), QSize(40, 20), 1).isNull()) << "another ratio";
    EXPECT_TRUE(windowPictureUnder(&window, QPoint(-70, -5), QSize(40, 20), 2).isNull()) << "reaching outside";
    EXPECT_TRUE(windowPictureUnder(&window, QPoint(5, 0), QSize(40, 20), 2).isNull()) << "starting outside";
    QImage fractional(300, 150, QImage::Format_RGB32);
    fractional.setDevicePixelRatio(1.5);
    EXPECT_TRUE(windowPictureUnder(&fractional, QPoint(-10, -5), QSize(40, 20), 1.5).isNull());
    QImage indexed(200, 100, QImage::Format_Indexed8);
    indexed.setDevicePixelRatio(2);
    EXPECT_TRUE(windowPictureUnder(&indexed, QPoint(-10, -5), QSize(40, 20), 2).isNull());
    QPixmap pixmap(200, 100);
    EXPECT_TRUE(windowPictureUnder(&pixmap, QPoint(0, 0), QSize(40, 20), 1).isNull()) << "a grab";
}
