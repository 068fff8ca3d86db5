// The table on a screen of higher pixel density (run at ratios 2 and 1.5):
// drawn in device pixels from the pictures made for the ratio, with every
// position as at ratio 1, and partial repaints still equal to a whole one.
#include "harness.h"

#include <density.h>
#include <platform/dib.h>
#include <table/card.h>

#include <QFile>

namespace quenby {
namespace {

constexpr QRgb Purple = 0xFF800080;
constexpr int Column1 = 4;

const QImage& PictureOf(const Card& card, qreal ratio) { return card.Bitmap->At(ratio); }

TEST(Density, TheStartUpTableAndItsTitleAtTheScreensRatio)
{
    const qreal ratio = hidpi::ScreenRatio();
    ASSERT_GT(ratio, 1) << "run with QT_SCALE_FACTOR above 1";
    test::TableHarness table;
    table.StartUp();
    const QImage background = table.Table().TableSurface->Background();
    EXPECT_EQ(background.devicePixelRatio(), ratio);
    EXPECT_EQ(background.size(), platform::deviceSize(QSize(800, 600), ratio));

    // The title's black shows the table; everything else is the picture made
    // for the ratio, placed where it is placed at ratio 1.
    const QImage title = LoadCardImage(TitleBitmap)->At(ratio);
    const platform::Rect place = platform::toDevice(Rect::At(400 - 137, 300 - 96, 275, 193), ratio);
    int black = 0;
    for (int y = place.top; y < place.bottom; ++y)
        for (int x = place.left; x < place.right; ++x) {
            const QRgb source = title.pixel(x - place.left, y - place.top) | 0xFF000000;
            const QRgb expected = source == 0xFF000000 ? Purple : source;
            black += expected == Purple;
            ASSERT_EQ(background.pixel(x, y) | 0xFF000000, expected) << x << "," << y;
        }
    EXPECT_GT(black, 0);

    if (ratio == 2) {
        // At 2 the title is the twice-size drawing itself.
        const auto twice = platform::readDib([] {
            QFile file(QStringLiteral(":/quenby/bitmaps/196@2x.bmp"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }());
        ASSERT_TRUE(twice);
        EXPECT_TRUE(hidpi::SamePixels(title, twice->image));
    } else {
        // Scaled, the cut-out keeps clean edges: no more dark pixels than the
        // drawing it was scaled from has, share for share.
        const QImage source = LoadCardImage(TitleBitmap)->At(2);
        const auto darkShare = [](const QImage& image) {
            int dark = 0, opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb c = image.pixel(x, y) & 0xFFFFFF;
                    if (c == 0)
                        continue;
                    ++opaque;
                    dark += qRed(c) + qGreen(c) + qBlue(c) < 90;
                }
            return double(dark) / opaque;
        };
        EXPECT_LT(darkShare(title), darkShare(source) + 0.01);
        LoadCardImage(TitleBitmap)->At(ratio); // the table's ratio again
    }
}

// Klondike dealt, then cards dragged about with real mouse events: each card
// shows the picture made for the ratio at its logical place, the outlines are
// as thick as the ratio, the window receives the composition pixel for pixel,
// and what the partial repaints leave equals a whole repaint, mid-drag too.
TEST(Density, ADealtGameAndDragsAtTheScreensRatio)
{
    const qreal ratio = hidpi::ScreenRatio();
    test::TableHarness table;
    table.Start(GameId::Klondike);
    const QImage composition = table.Composed();
    ASSERT_EQ(composition.devicePixelRatio(), ratio);

    for (int k = 0; k < 7; ++k) {
        const Card& top = *table.PileAt(Column1 + k).Top();
        ASSERT_TRUE(hidpi::ShowsPicture(composition, top.Bounds, PictureOf(top, ratio))) << "column " << k + 1;
    }
    if (ratio == 2) {
        const Card& top = *table.PileAt(Column1).Top();
        EXPECT_EQ(PictureOf(top, ratio).size(), QSize(142, 192));
    }
    // The first foundation's outline: a dotted line as thick as the ratio
    // rounds to, nothing inside it.
    const int thickness = int(std::lround(ratio));
    const platform::Rect outline = platform::toDevice(Rect::At(365, 95, 71, 96), ratio);
    const QImage background = table.Table().TableSurface->Background();
    int dots = 0;
    for (int x = outline.left; x < outline.right; ++x)
        for (int t = 0; t < thickness; ++t)
            dots += (background.pixel(x, outline.top + t) | 0xFF000000) != Purple;
    EXPECT_NEAR(dots, (outline.right - outline.left) * thickness / 2, 2 * thickness);
    EXPECT_EQ(background.pixel(outline.left + 20, outline.top + thickness) | 0xFF000000, Purple);

    EXPECT_TRUE(hidpi::SamePixels(table.Grab(), composition));

    for (int k = 0; k < 7; ++k) {
        const QPoint from = test::TableHarness::CentreOf(table.PileAt(Column1 + k).Top()->Bounds);
        table.Press(from);
        for (int step = 1; step <= 5; ++step)
            table.Move(from.x() + 13 * step - 31, from.y() - 17 * step + 3, true);
        const QImage midDrag = table.Composed();
        ASSERT_TRUE(hidpi::SamePixels(midDrag, table.ComposedWhole())) << "column " << k + 1;
        table.Release(QPoint(from.x() + 13 * 5 - 31, from.y() - 17 * 5 + 3));
        ASSERT_TRUE(table.Invariants());
        const QImage after = table.Composed();
        ASSERT_TRUE(hidpi::SamePixels(after, table.ComposedWhole())) << "column " << k + 1;
    }
    // The stock turned over: a partial repaint of the stock and waste.
    table.Click(QPoint(137 + 35, 95 + 48));
    const QImage turned = table.Composed();
    EXPECT_TRUE(hidpi::SamePixels(turned, table.ComposedWhole()));
    EXPECT_TRUE(hidpi::SamePixels(table.Grab(), table.Composed()));
}

} // namespace
} // namespace quenby
