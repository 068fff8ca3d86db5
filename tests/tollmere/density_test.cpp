// The table on a screen of higher pixel density (run at ratios 2 and 1.5):
// the title and the dealt games drawn from the pictures made for the ratio at
// the places of ratio 1, outlines as thick as the ratio, and drags whose
// partial repaints equal a whole one, mid-drag too.
#include "harness.h"

#include <density.h>
#include <games/card.h>
#include <shell/mainframe.h>
#include <shell/soldoc.h>
#include <shell/tablesurface.h>

#include <QAction>
#include <QTemporaryDir>

#include <cmath>

namespace tollmere::test {
namespace {

constexpr QRgb TableRgb = 0xFF004040; // the table colour 0x404000 as a pixel

QImage Shown(CSolView& view) { return view.grab().toImage(); }

// Every pile's top card lying face up and clear of other piles' cards shows
// its picture for the ratio.
void ExpectCardsShowTheirPictures(Harness& h, qreal ratio)
{
    const QImage composed = h.Composed();
    ASSERT_EQ(composed.devicePixelRatio(), ratio);
    const auto clear = [&h](const Card& card) {
        for (int j = 0; j < h.Frame().PileCount(); ++j) {
            const Card* other = h.PileAt(j).Top();
            if (other && other != &card && other->Bounds.Intersects(card.Bounds))
                return false;
        }
        return true;
    };
    for (int i = 0; i < h.Frame().PileCount(); ++i) {
        const Card* top = h.PileAt(i).Top();
        if (top && top->FaceUp && clear(*top)) {
            EXPECT_TRUE(hidpi::ShowsPicture(composed, top->Bounds, LoadImage(top->FaceId, ratio))) << "pile " << i;
        }
    }
    EXPECT_TRUE(hidpi::SamePixels(Shown(h.View()), composed));
}

TEST(Density, TheTitleAtTheScreensRatio)
{
    const qreal ratio = hidpi::ScreenRatio();
    ASSERT_GT(ratio, 1) << "run with QT_SCALE_FACTOR above 1";
    Harness h;
    const Card* title = nullptr;
    for (const auto& card : h.Deck().Cards)
        if (card->FaceId == 143)
            title = card;
    ASSERT_TRUE(title);
    const QImage composed = h.Composed();
    EXPECT_EQ(composed.size(), platform::deviceSize(QSize(800, 600), ratio));
    EXPECT_TRUE(hidpi::ShowsPicture(composed, title->Bounds, LoadImage(143, ratio)));
    if (ratio == 2) {
        EXPECT_EQ(LoadImage(143, ratio).size(), QSize(760, 616));
    }
    EXPECT_TRUE(hidpi::SamePixels(Shown(h.View()), composed));
}

TEST(Density, GamesOutlinesAndDragsAtTheScreensRatio)
{
    const qreal ratio = hidpi::ScreenRatio();
    const int thickness = int(std::lround(ratio));
    for (const GameId game : {GameId::FortunesFavor, GameId::BeleagueredCastle, GameId::Quadrille}) {
        SCOPED_TRACE(int(game));
        Harness h;
        h.Start(game);
        ExpectCardsShowTheirPictures(h, ratio);

        // Each outline is a black line as thick as the ratio rounds to, round
        // the table colour.
        const QImage& background = h.View().Surface()->Background;
        const int x0 = 400 - h.Deck().ExtentWidth / 2;
        const int y0 = 300 - h.Deck().ExtentHeight / 2;
        const Place place = PilePlaces(int(game)).front();
        const platform::Rect frame = platform::toDevice(Rect::At(x0 + place.X, y0 + place.Y, 71, 96), ratio);
        for (int t = 0; t < thickness; ++t) {
            EXPECT_EQ(background.pixel(frame.left + 30, frame.top + t) | 0xFF000000, 0xFF000000u);
            EXPECT_EQ(background.pixel(frame.left + t, frame.top + 40) | 0xFF000000, 0xFF000000u);
        }
        EXPECT_EQ(background.pixel(frame.left + 30, frame.top + thickness) | 0xFF000000, TableRgb);
        EXPECT_EQ(background.pixel(frame.left - 1, frame.top + 40) | 0xFF000000, TableRgb);

        // Each pile's top card (a fanned run where the game fans) lifted and
        // carried across its neighbours, then let go.
        for (int i = 0; i < h.Frame().PileCount(); ++i) {
            const Card* top = h.PileAt(i).Top();
            if (!top || !top->FaceUp)
                continue;
            const QPoint from = Into(*top, 35, 10);
            h.Press(from);
            for (int step = 1; step <= 4; ++step)
                h.Move(from + QPoint(23 * step - 40, 11 * step - 25), true);
            const QImage midDrag = h.Composed();
            ASSERT_TRUE(hidpi::SamePixels(midDrag, h.ComposedWhole())) << "pile " << i;
            h.Release(from + QPoint(23 * 4 - 40, 11 * 4 - 25));
            ASSERT_TRUE(h.Invariants());
            ASSERT_TRUE(h.RepaintedWhole()) << "pile " << i;
        }
        ExpectCardsShowTheirPictures(h, ratio);
    }
}

// The toolbar buttons carry the twice-size drawings beside their own, and
// show them on a screen of ratio 2.
TEST(Density, ToolbarButtonsShowTheirTwiceSizeDrawings)
{
    QTemporaryDir dir;
    CSolDoc doc;
    CMainFrame frame(doc, dir.filePath(QStringLiteral("Tollmere.cfg")));
    const QImage games = LoadImage(128, 2);
    const QImage tools = LoadImage(202, 2);
    // Accordion is the second game button, Save the second tool.
    const QImage accordion = frame.Command(122)->icon().pixmap(QSize(31, 31), 2.0).toImage();
    EXPECT_TRUE(hidpi::SamePixels(accordion, games.copy(62, 0, 62, 62)));
    const QImage save = frame.Command(command::Save)->icon().pixmap(QSize(16, 16), 2.0).toImage();
    EXPECT_TRUE(hidpi::SamePixels(save, tools.copy(32, 0, 32, 32)));
}

} // namespace
} // namespace tollmere::test
