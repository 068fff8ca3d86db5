// Raster operations: the inverting focus frame and the AND / OR copies that
// draw pictures with transparent black.
#include "platform/drawing.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A target whose every pixel differs, so a wrong pixel touched shows.
QImage gradient(int w, int h, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(10 * x + 3, 20 * y + 5, (x * 7 + y * 13) & 0xFF));
    return image;
}

// Pixels that differ between two images of one size.
std::vector<QPoint> changed(const QImage& a, const QImage& b)
{
    std::vector<QPoint> points;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                points.emplace_back(x, y);
    return points;
}

} // namespace

TEST(FocusRect, InvertsEveryOtherFramePixelAndUndoesItself)
{
    const QImage before = gradient(12, 10);
    QImage image = before;
    const QRect frame(2, 1, 6, 5); // columns 2..7, rows 1..5
    drawFocusRect(image, frame);

    std::vector<QPoint> expected;
    for (int y = 1; y <= 5; ++y)
        for (int x = 2; x <= 7; ++x) {
            const bool onFrame = x == 2 || x == 7 || y == 1 || y == 5;
            if (onFrame && (x + y) % 2 == 0)
                expected.emplace_back(x, y);
        }
    EXPECT_EQ(changed(before, image), expected);
    for (const QPoint& p : expected)
        EXPECT_EQ(image.pixel(p), before.pixel(p) ^ 0x00FFFFFFu) << p.x() << "," << p.y();
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 255);

    drawFocusRect(image, frame);
    EXPECT_EQ(image, before) << "a second frame restores the picture";
}

TEST(FocusRect, ThinFramesAndEdgesTouchEachPixelOnce)
{
    const QImage before = gradient(8, 8);
    for (const QRect& frame : {QRect(1, 1, 1, 1), QRect(0, 3, 8, 1), QRect(3, 0, 1, 8), QRect(2, 2, 2, 2),
                               QRect(-3, -3, 6, 6), QRect(5, 5, 10, 10)}) {
        QImage image = before;
        drawFocusRect(image, frame);
        for (const QPoint& p : changed(before, image)) {
            EXPECT_EQ((p.x() + p.y()) % 2, 0);
            EXPECT_EQ(image.pixel(p), before.pixel(p) ^ 0x00FFFFFFu) << "inverted once";
        }
        drawFocusRect(image, frame);
        EXPECT_EQ(image, before) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                 << frame.height();
    }
    QImage image = before;
    drawFocusRect(image, QRect(0, 0, 8, 8));
    EXPECT_EQ(changed(before, image).size(), 14u) << "28 frame pixels, every other one";
    drawFocusRect(image, QRect(2, 2, 1, 1));
    EXPECT_EQ(image.pixel(2, 2), before.pixel(2, 2) ^ 0x00FFFFFFu);
}

TEST(RasterCopies, AndOrArithmeticWithClipping)
{
    QImage target(4, 3, QImage::Format_RGB32);
    target.fill(qRgb(0xF0, 0x0F, 0x55));
    QImage source(2, 2, QImage::Format_RGB32);
    source.fill(qRgb(0x3C, 0xFF, 0x0F));

    QImage anded = target;
    copyAnd(anded, QPoint(3, 2), source); // only (3, 2) lies inside
    EXPECT_EQ(anded.pixel(3, 2), qRgb(0x30, 0x0F, 0x05));
    EXPECT_EQ(changed(target, anded), std::vector<QPoint>{QPoint(3, 2)});

    QImage ored = target;
    copyOr(ored, QPoint(-1, -1), source); // only (0, 0) lies inside
    EXPECT_EQ(ored.pixel(0, 0), qRgb(0xFC, 0xFF, 0x5F));
    EXPECT_EQ(changed(target, ored), std::vector<QPoint>{QPoint(0, 0)});

    QImage untouched = target;
    copyOr(untouched, QPoint(4, 0), source);
    copyAnd(untouched, QPoint(-2, 0), source);
    EXPECT_EQ(untouched, target) << "wholly outside draws nothing";
}

TEST(RasterCopies, IndexedSourcesAndArgbTargets)
{
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0x12, 0x34, 0x56), qRgb(0xFF, 0x00, 0xFF)});
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);

    QImage target(2, 1, QImage::Format_ARGB32);
    target.fill(qRgba(0x0F, 0x0F, 0x0F, 0x80));
    copyOr(target, QPoint(0, 0), indexed);
    EXPECT_EQ(target.pixel(0, 0), qRgba(0x1F, 0x3F, 0x5F, 0x80)) << "alpha of the target kept";
    EXPECT_EQ(target.pixel(1, 0), qRgba(0xFF, 0x0F, 0xFF, 0x80));

    QImage grey(1, 1, QImage::Format_Grayscale8);
    grey.fill(0);
    QImage white(1, 1, QImage::Format_RGB32);
    white.fill(Qt::white);
    copyAnd(white, QPoint(0, 0), grey);
    EXPECT_EQ(white.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(TransparentDraw, BlackLetsTheTableShowThrough)
{
    const QImage table = gradient(6, 5);
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(1, 1, qRgb(0xFF, 0xFF, 0xFF));
    picture.setPixel(2, 1, qRgb(0x01, 0x00, 0x00)); // nearly black is still drawn
    picture.setPixel(3, 2, qRgb(0x10, 0x20, 0x30));

    QImage image = table;
    transparentDraw(image, QPoint(3, 3), picture); // clipped to columns 3..5, rows 3..4
    EXPECT_EQ(image.pixel(4, 4), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(image.pixel(5, 4), qRgb(0x01, 0x00, 0x00));
    std::vector<QPoint> expected{QPoint(4, 4), QPoint(5, 4)};
    EXPECT_EQ(changed(table, image), expected);

    // Same result as drawing the mask and the picture by hand.
    QImage mask(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            mask.setPixel(x, y, (picture.pixel(x, y) & 0xFFFFFF) == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    for (QPoint at : {QPoint(0, 0), QPoint(-2, 1), QPoint(2, 2)}) {
        QImage byHand = table;
        copyAnd(byHand, at, mask);
        copyOr(byHand, at, picture);
        QImage direct = table;
        transparentDraw(direct, at, picture);
        EXPECT_EQ(direct, byHand) << at.x() << "," << at.y();
    }
}
