// The cost of one pointer move while dragging a run of six cards over a
// dealt Beleaguered Castle: Drag and the composition of the rectangle it
// reports onto a window-sized picture standing for the window's own, at
// ratio 1 and on a screen of twice the pixel density. The figure
// should not depend on the window's size.
#include <games/frame.h>
#include <games/gametable.h>
#include <platform/density.h>
#include <platform/localtime.h>
#include <shell/configblock.h>
#include <shell/tablesurface.h>

#include <benchmark/benchmark.h>


namespace {

using namespace tollmere;

void DragRunOfSix(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    const qreal ratio = qreal(state.range(2)) / 100;
    platform::setFixedLocalTime(platform::LocalTime{12, 0, 0});
    SoundOn = false;
    CardDeck deck;
    GameTable table(deck, int(GameId::BeleagueredCastle));
    table.Layout(size.width(), size.height());
    const ConfigBlock config;
    TableSurface surface(deck, size, table.GameId, config.TableColour, config.CardBackId, ratio);
    QImage screen = platform::makeSurface(size, ratio);
    Rect dirty;
    surface.PaintOnto(screen, Rect::At(0, 0, size.width(), size.height()));

    // The whole first row, lifted by its first card's strip.
    const Pile& row = table.Frame()->At(0);
    const QPoint start(row.X + 5, row.Y + 40);
    table.PickUp(dirty, start.x(), start.y());
    int step = 0;
    for (auto _ : state) {
        // Back and forth across the rows and foundations, 7 pixels a move.
        const int offset = (step++ % 60) * 7;
        table.Drag(dirty, start.x() + offset, start.y() + offset / 2);
        // As the view paints: the dirty part composed onto the window's picture.
        surface.PaintOnto(screen, dirty.Intersected(Rect::At(0, 0, size.width(), size.height())));
        dirty = {};
        benchmark::DoNotOptimize(screen.constBits());
    }
}
// Width, height, pixel ratio in hundredths.
BENCHMARK(DragRunOfSix)
    ->Args({800, 600, 100})
    ->Args({1920, 1080, 100})
    ->Args({800, 600, 200})
    ->Args({1920, 1080, 200})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
