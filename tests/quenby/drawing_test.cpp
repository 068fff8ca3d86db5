// Rendered pixels: the start-up picture, the outlines and the stock place,
// paints confined to the dirty rectangle, the view copying what is composed,
// a drag paced to the frames, the change of back, timer 1 across activation,
// and the Decks dialog.
#include "harness.h"

#include <table/animation.h>
#include <table/deckdialog.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace quenby {
namespace {

constexpr QRgb Purple = 0xFF800080; // the table colour 0x800080 as a pixel

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000; }

QImage CardPixels(int id)
{
    const auto image = LoadCardImage(id);
    return image ? image->pixels : QImage();
}

TEST(Drawing, TheStartUpTableShowsTheTitleThroughItsBlackPixels)
{
    test::TableHarness table;
    table.StartUp();
    const QImage title = CardPixels(196);
    ASSERT_EQ(title.size(), QSize(275, 193));
    const QImage background = table.Table().TableSurface->Background();
    const int left = 400 - 275 / 2;
    const int top = 300 - 193 / 2;
    int black = 0;
    for (int y = 0; y < 193; ++y)
        for (int x = 0; x < 275; ++x) {
            const QRgb source = Pixel(title, x, y);
            const QRgb expected = qRed(source) == 0 && qGreen(source) == 0 && qBlue(source) == 0 ? Purple : source;
            black += expected == Purple ? 1 : 0;
            ASSERT_EQ(Pixel(background, left + x, top + y), expected) << x << "," << y;
        }
    EXPECT_GT(black, 0);
    EXPECT_EQ(Pixel(background, left - 1, top - 1), Purple);
    EXPECT_EQ(Pixel(background, 10, 10), Purple);
    // No outlines on the start-up table; the deck circles the title.
    for (int x = 0; x < 800; ++x)
        ASSERT_EQ(Pixel(background, x, 95), Purple);
    EXPECT_EQ(table.Table().PaintList.Count(), 52);
    EXPECT_TRUE(table.View().TimerRunning());
    EXPECT_EQ(table.View().TimerWanted(), 1);
    // What the window shows is the composition: the first heart lies on top.
    const QImage shown = table.Grab();
    const QImage twoOfHearts = CardPixels(158);
    ASSERT_FALSE(twoOfHearts.isNull());
    EXPECT_EQ(Pixel(shown, 263 + 3, 103 + 50), Pixel(twoOfHearts, 3, 50));
}

// The dotted frame inverts every other pixel of its edge and nothing inside.
void ExpectOutline(const QImage& image, int left, int top)
{
    int inverted = 0;
    for (int x = left; x < left + 71; ++x) {
        const QRgb pixel = Pixel(image, x, top);
        ASSERT_TRUE(pixel == Purple || pixel == (0xFF000000 | (~Purple & 0xFFFFFF))) << x;
        inverted += pixel == Purple ? 0 : 1;
    }
    EXPECT_NEAR(inverted, 35, 1);
    EXPECT_EQ(Pixel(image, left + 35, top + 48), Purple);
    EXPECT_EQ(Pixel(image, left - 1, top), Purple);
}

TEST(Drawing, OutlinesAndAStockPlaceThatTurnsToAnOutlineWhenEmpty)
{
    test::TableHarness table;
    table.Start(GameId::Klondike);
    const QImage background = table.Table().TableSurface->Background();
    for (int f = 0; f < 4; ++f)
        ExpectOutline(background, 365 + 76 * f, 95);
    for (int k = 0; k < 7; ++k)
        ExpectOutline(background, 137 + 76 * k, 201);
    ExpectOutline(background, 213, 95); // the waste
    // The stock place shows the back while cards remain.
    const QImage back = CardPixels(191);
    ASSERT_FALSE(back.isNull());
    for (int y = 0; y < 96; y += 7)
        for (int x = 0; x < 71; x += 5)
            ASSERT_EQ(Pixel(background, 137 + x, 95 + y), Pixel(back, x, y));
    for (int i = 0; i < 24; ++i)
        table.Click({170, 140});
    ExpectOutline(table.Table().TableSurface->Background(), 137, 95);
    EXPECT_EQ(Pixel(table.Grab(), 137 + 35, 95 + 48), Purple);

    // Grannies Clock draws neither outlines nor a stock place.
    table.Start(GameId::GranniesClock);
    Pile& pile = table.PileAt(0);
    const QImage clock = table.Table().TableSurface->Background();
    for (int y = 0; y < 600; y += 3)
        for (int x = 0; x < 800; x += 3)
            ASSERT_EQ(Pixel(clock, x, y), Purple);
    (void)pile;
}

TEST(Drawing, APaintTouchesNothingOutsideTheGrownDirtyRectangle)
{
    test::TableHarness table;
    table.Start(GameId::Klondike);
    QImage& composition = table.Table().TableSurface->Composed();
    composition.fill(0xFF123456);
    const QImage before = composition.copy();
    // The rectangle meets column 3's cards, so it grows over all of them.
    table.Table().DirtyRect = Rect{300, 250, 320, 260};
    const Rect painted = Paint(table.Table());
    EXPECT_EQ(painted, (Rect{289, 201, 360, 297}));
    EXPECT_TRUE(table.Table().DirtyRect.IsEmpty());
    const QImage after = composition.copy();
    const QImage whole = table.ComposedWhole();
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const bool inside = painted.Contains(x, y);
            ASSERT_EQ(after.pixel(x, y), inside ? whole.pixel(x, y) : before.pixel(x, y)) << x << "," << y;
        }

    // An empty rectangle at paint time recomposes everything.
    composition.fill(0xFF123456);
    EXPECT_EQ(Paint(table.Table()), table.Table().ClientRect());
    EXPECT_TRUE(composition == whole);
}

TEST(Drawing, TheCarouselIsRepaintedThroughItsDirtyRectangles)
{
    test::TableHarness table({640, 480});
    table.StartUp();
    for (int tick = 0; tick < 100; ++tick) {
        ASSERT_TRUE(table.Tick());
        const QImage incremental = table.Composed();
        ASSERT_TRUE(incremental == table.ComposedWhole()) << "tick " << tick;
    }
    // After 100 ticks of 5 pixels the first heart has turned two corners
    // (after 56 ticks along the top and 40 down the right side).
    EXPECT_EQ(table.Table().PaintList.Head()->Direction, Left);
    EXPECT_TRUE(table.Grab() == table.Composed());
}

TEST(Drawing, AMoveAfterTheCarouselTurnedOverAGameRepaintsThePlacesCardsLeft)
{
    // Ctrl+N during a game sets the dealt cards drifting along the carousel;
    // the next drop lays its pile out again, snapping them back.
    for (int ticks = 2; ticks <= 12; ++ticks) {
        SCOPED_TRACE(ticks);
        test::TableHarness table;
        table.Start(GameId::GranniesClock);
        table.View().InitialUpdateAgain();
        for (int tick = 0; tick < ticks; ++tick)
            ASSERT_TRUE(table.Tick());
        Pile& centre = table.PileAt(12);
        const Card* card = centre.Top();
        const int hour = card->Rank == 13 ? 12 : card->Rank == 12 ? 0 : card->Rank;
        ASSERT_NE(card->Bounds, centre.GetRect()) << "the card has drifted";
        // Released where the card lies square on its hour, not where the
        // drifted cards were.
        table.DragTo(test::TableHarness::CentreOf(centre.GetRect()),
                     test::TableHarness::CentreOf(table.PileAt(hour).GetRect()) - QPoint(5 * ticks, 0));
        ASSERT_EQ(table.PileAt(hour).Bottom(), card);
        const QImage incremental = table.Composed();
        EXPECT_TRUE(incremental == table.ComposedWhole());
    }
}

TEST(Drawing, ADragPaintsOnceAFrameAndCatchesUpWhenTheMotionStopsOrTheCardDrops)
{
    test::TableHarness table;
    table.Start(GameId::Klondike);
    platform::TablePainter& pacer = table.View().Painter();
    const auto matchesWhole = [&table] { return table.Composed() == table.ComposedWhole(); };
    const QPoint from = test::TableHarness::CentreOf(table.Table().PaintList.Last()->Bounds);
    table.Press(from);
    table.Move(from.x() + 3, from.y() + 2, true);
    ASSERT_TRUE(matchesWhole());

    // Moves inside the frame: the window keeps showing the last paint.
    qint64 now = pacer.Now();
    pacer.Now = [&now] { return now; };
    const QImage shown = table.Composed();
    for (int step = 1; step <= 3; ++step) {
        now += 4;
        table.Move(from.x() + 3 + 20 * step, from.y() + 2 + 7 * step, true);
        ASSERT_TRUE(table.Composed() == shown) << step;
        ASSERT_TRUE(pacer.Holding());
    }
    EXPECT_FALSE(matchesWhole());
    // No further motion: the frame's timer paints where the card went.
    ASSERT_TRUE(QTest::qWaitFor([&pacer] { return !pacer.Holding(); }, 2000));
    EXPECT_TRUE(matchesWhole());

    // A move due in a new frame paints with what was held before it.
    table.Move(from.x() - 30, from.y() + 40, true);
    ASSERT_TRUE(pacer.Holding());
    now += platform::TablePainter::FrameMs;
    table.Move(from.x() - 35, from.y() + 90, true);
    EXPECT_FALSE(pacer.Holding());
    EXPECT_TRUE(matchesWhole());

    // A held move then the drop: the drop paints everything at once.
    table.Move(from.x() + 60, from.y() + 10, true);
    ASSERT_TRUE(pacer.Holding());
    table.Release(from.x() + 60, from.y() + 10);
    EXPECT_FALSE(pacer.Holding());
    EXPECT_TRUE(matchesWhole());
}

TEST(Drawing, ChoosingABackTurnsEveryFaceDownCardAndTheStock)
{
    test::TableHarness table;
    table.Start(GameId::Klondike);
    int offered = 0;
    table.View().AskDeck = [&](QWidget*, int current, platform::ColorRef) {
        offered = current;
        return 184;
    };
    table.View().OnDecks();
    EXPECT_EQ(offered, 191);
    EXPECT_EQ(table.Table().CardBackId, 184);
    int down = 0;
    for (int i = 0; i < table.PileCount(); ++i)
        for (const Card* card : table.PileAt(i).Cards)
            down += card->ImageId == 184 ? 1 : 0;
    EXPECT_EQ(down, 21);
    const QImage back = CardPixels(184);
    ASSERT_FALSE(back.isNull());
    const QImage shown = table.Grab();
    EXPECT_EQ(Pixel(shown, 137 + 20, 95 + 30), Pixel(back, 20, 30)); // the stock
    EXPECT_EQ(Pixel(shown, 213 + 20, 201 + 5), Pixel(CardPixels(table.PileAt(5).Top()->FaceId), 20, 5));
    EXPECT_TRUE(table.Invariants());

    // Cancel keeps the back but still redraws the whole table.
    table.View().AskDeck = [](QWidget*, int current, platform::ColorRef) { return current; };
    table.Window().fill(0xFF000000);
    table.View().OnDecks();
    EXPECT_EQ(table.Table().CardBackId, 184);
    EXPECT_TRUE(table.Composed() == table.ComposedWhole());
}

TEST(Drawing, TimerOneStopsWhileTheWindowIsInactive)
{
    test::TableHarness table;
    table.StartUp();
    ASSERT_TRUE(table.View().TimerRunning());
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&table.View(), &deactivate);
    EXPECT_FALSE(table.View().TimerRunning());
    EXPECT_EQ(table.View().TimerWanted(), 1);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&table.View(), &activate);
    EXPECT_TRUE(table.View().TimerRunning());
    EXPECT_EQ(table.Table().DirtyRect, table.Table().ClientRect());

    // Presses reach no game before one is dealt; choosing one stops the
    // timer for good.
    table.ClearSounds();
    table.Click({263 + 10, 103 + 10});
    EXPECT_TRUE(table.Sounds().isEmpty());
    table.Start(GameId::Klondike);
    EXPECT_FALSE(table.View().TimerRunning());
    QApplication::sendEvent(&table.View(), &activate);
    EXPECT_FALSE(table.View().TimerRunning());
    EXPECT_EQ(table.Sounds(), QStringList{"SHUFFLE.WAV"});

    // New document during a game: the dealt cards drift along the carousel.
    table.View().InitialUpdateAgain();
    EXPECT_TRUE(table.View().TimerRunning());
    const Card* top = table.PileAt(4).Top();
    const int left = top->Left();
    table.Tick();
    EXPECT_EQ(top->Left(), left + 5);
}

TEST(Drawing, ResizingRecentresTheGameAndRefansTheColumns)
{
    test::TableHarness table;
    table.Start(GameId::Klondike);
    table.DragTo({137 + 35, 249}, {137 + 35, 400}); // refused: back to its column
    table.View().resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(table.Table().ClientSize, QSize(1000, 700));
    EXPECT_EQ(table.PileAt(4).GetRect(), Rect::At(500 - 263, 350 - 99, 71, 96));
    EXPECT_EQ(table.Game().Stock.GetRect(), Rect::At(500 - 263, 350 - 205, 71, 96));
    EXPECT_EQ(table.PileAt(10).Top()->Bounds, Rect::At(500 + 193, 350 - 99, 71, 96));
    EXPECT_TRUE(table.Grab() == table.ComposedWhole());
}

TEST(DeckDialog, OffersTheEightBacksAndFramesTheChosenOne)
{
    DeckDialog dialog(185, 0x008000, nullptr);
    QListWidget* list = dialog.List();
    ASSERT_EQ(list->count(), 8);
    std::vector<int> backs;
    for (int i = 0; i < list->count(); ++i)
        backs.push_back(list->item(i)->data(Qt::UserRole).toInt());
    EXPECT_EQ(backs, (std::vector<int>{189, 186, 184, 192, 185, 191, 193, 183}));
    // The pictures have no text: a reader says which back each is.
    EXPECT_EQ(list->item(2)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Card back 3 of 8"));
    EXPECT_EQ(dialog.SelectedBack(), 185);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Decks"));

    // A multi-column list with both scroll bars, sized in dialog units.
    EXPECT_EQ(list->flow(), QListView::TopToBottom);
    EXPECT_TRUE(list->isWrapping());
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_NEAR(double(list->width()) / dialog.width(), 140.0 / 151, 0.02);
    EXPECT_NEAR(double(list->height()) / dialog.height(), 85.0 / 114, 0.02);

    dialog.show();
    QApplication::processEvents();
    // The chosen back opens in view.
    const QRect selected = list->visualItemRect(list->item(4));
    ASSERT_EQ(selected.size(), QSize(91, 116));
    EXPECT_TRUE(list->viewport()->rect().intersects(selected));
    QImage shown = list->viewport()->grab().toImage();
    const QRgb green = 0xFF008000;
    const QImage back = CardPixels(185);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(Pixel(shown, selected.left() + 5, selected.top() + 5), 0xFF000000);
    EXPECT_EQ(Pixel(shown, selected.left() + 2, selected.top() + 2), green);
    EXPECT_EQ(Pixel(shown, selected.left() + 10 + 30, selected.top() + 10 + 40), Pixel(back, 30, 40));
    // The next back lies in the next column, to the right.
    const QRect next = list->visualItemRect(list->item(5));
    EXPECT_EQ(next.topLeft(), selected.topRight() + QPoint(1, 0));
    list->scrollToItem(list->item(0));
    QApplication::processEvents();
    shown = list->viewport()->grab().toImage();
    const QRect other = list->visualItemRect(list->item(0));
    EXPECT_EQ(Pixel(shown, other.left() + 5, other.top() + 5), green);
    EXPECT_EQ(Pixel(shown, other.left() + 10, other.top() + 10), Pixel(CardPixels(189), 0, 0));

    // No back selected when the current one is not offered.
    DeckDialog none(170, 0x008000, nullptr);
    EXPECT_EQ(none.SelectedBack(), 0);
}

} // namespace
} // namespace quenby
