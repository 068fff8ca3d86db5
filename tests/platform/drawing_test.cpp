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
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (byHand.rect().contains(at + QPoint(x, y))) {
                    const QRgb anded = byHand.pixel(at + QPoint(x, y)) & mask.pixel(x, y);
                    byHand.setPixel(at + QPoint(x, y), anded | picture.pixel(x, y));
                }
        QImage direct = table;
        transparentDraw(direct, at, picture);
        EXPECT_EQ(direct, byHand) << at.x() << "," << at.y();
    }
}

namespace {

// A fixed-seed stream of rectangles, some off the edges of a 60x40 target.
struct Rects {
    unsigned state = 12345;
    int next(int n)
    {
        state = state * 1103515245u + 12345u;
        return int((state >> 16) % unsigned(n));
    }
    Rect rect() { return Rect::At(next(70) - 8, next(50) - 8, 1 + next(30), 1 + next(25)); }
};

} // namespace

TEST(Compose, UncoveredPartsAreExactlyWhatShowsWithoutOverlap)
{
    Rects random;
    for (int round = 0; round < 300; ++round) {
        const Rect part = random.rect();
        std::vector<Rect> above(std::size_t(random.next(6)));
        for (Rect& r : above)
            r = random.rect();
        std::vector<Rect> pieces;
        uncoveredParts(part, above, pieces);
        for (int y = -10; y < 70; ++y)
            for (int x = -10; x < 80; ++x) {
                bool shows = part.Contains(x, y);
                for (const Rect& r : above)
                    shows = shows && !r.Contains(x, y);
                int inPieces = 0;
                for (const Rect& p : pieces)
                    inPieces += p.Contains(x, y) ? 1 : 0;
                ASSERT_EQ(inPieces, shows ? 1 : 0) << "round " << round << " at " << x << "," << y;
            }
    }
}

TEST(Compose, SplinteringStopsWithEveryShowingPixelKept)
{
    // A comb of one-pixel teeth over a wide part: far more splinters than
    // allowed, so the rest are kept whole rather than lost.
    const Rect part = Rect::At(0, 0, 200, 10);
    std::vector<Rect> teeth;
    for (int x = 0; x < 200; x += 2)
        teeth.push_back(Rect::At(x, 2, 1, 6));
    std::vector<Rect> pieces;
    uncoveredParts(part, teeth, pieces);
    EXPECT_LE(pieces.size(), MaxPieces + 4);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool covered = y >= 2 && y < 8 && x % 2 == 0;
            bool kept = false;
            for (const Rect& p : pieces)
                kept = kept || p.Contains(x, y);
            if (!covered) {
                ASSERT_TRUE(kept) << x << "," << y;
            }
        }
}

TEST(Compose, AreaComesOutAsPaintingEveryLayerWholeWould)
{
    // Opaque layers of distinct colours, some off the target, painted whole
    // in order with QPainter as the reference.
    Rects random;
    const QImage background = gradient(60, 40);
    for (int round = 0; round < 200; ++round) {
        std::vector<QImage> images;
        std::vector<Layer> layers;
        images.reserve(8);
        const int count = random.next(8);
        for (int i = 0; i < count; ++i) {
            const Rect r = random.rect();
            images.push_back(gradient(r.Width(), r.Height()).mirrored(i % 2 == 1, i % 3 == 1));
            layers.push_back({QPoint(r.left, r.top), &images.back()});
        }
        QImage whole = background.copy();
        {
            QPainter painter(&whole);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            for (const Layer& layer : layers)
                painter.drawImage(layer.at, *layer.image);
        }
        const Rect area = random.rect();
        QImage target(60, 40, QImage::Format_RGB32);
        target.fill(0xFF123456);
        const QImage before = target.copy();
        composeArea(target, background, layers, area);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                ASSERT_EQ(target.pixel(x, y), area.Contains(x, y) ? whole.pixel(x, y) : before.pixel(x, y))
                    << "round " << round << " at " << x << "," << y;
    }
}
