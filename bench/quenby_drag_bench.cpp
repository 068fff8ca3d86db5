// The cost of one pointer move while dragging a card over a dealt Klondike
// table: Drag, the Paint of its dirty rectangle, and the copy of that
// rectangle to a window-sized picture standing for the screen; at ratio 1
// and on a screen of twice the pixel density. Also the rebuild of the whole
// surface after a resize.
#include <games/frame.h>
#include <platform/density.h>
#include <platform/localtime.h>
#include <table/tablestate.h>
#include <table/tablesurface.h>

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace {

using namespace quenby;

struct DealtTable {
    TableState table;
    QImage screen;

    explicit DealtTable(QSize size, qreal ratio = 1) : screen(platform::makeSurface(size, ratio))
    {
        platform::setFixedLocalTime(platform::LocalTime{12, 0, 0});
        table.SoundOn = 0;
        table.ClientSize = size;
        table.PixelRatio = ratio;
        ReplaceSurface(table);
        NewGame(table, GameId::Klondike);
        table.DirtyRect = table.ClientRect();
        Paint(table);
        // Pick up the top card of the seventh column, at its centre.
        const QPoint centre = table.Centre();
        PickUp(table, centre.x() + 193 + 35, centre.y() - 99 + 48);
        Paint(table);
    }
};

void DragOneMove(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    DealtTable dealt(size, qreal(state.range(2)) / 100);
    const QPoint centre = dealt.table.Centre();
    int step = 0;
    for (auto _ : state) {
        // Back and forth over the columns, 7 pixels a move.
        const int offset = (step++ % 60) * 7;
        Drag(dealt.table, centre.x() - 200 + offset, centre.y() - 40 + offset / 3);
        const Rect area = Paint(dealt.table);
        QPainter painter(&dealt.screen);
        platform::paintSurface(painter, dealt.table.TableSurface->Composition, area.ToQRect());
        benchmark::DoNotOptimize(dealt.screen.constBits());
    }
}
// Width, height, pixel ratio in hundredths.
BENCHMARK(DragOneMove)
    ->Args({800, 600, 100})
    ->Args({1920, 1080, 100})
    ->Args({800, 600, 200})
    ->Args({1920, 1080, 200})
    ->Args({1280, 720, 150})
    ->Unit(benchmark::kMicrosecond);

void ReplaceSurfaceAfterResize(benchmark::State& state)
{
    DealtTable dealt(QSize(1920, 1080));
    for (auto _ : state) {
        ReplaceSurface(dealt.table);
        Paint(dealt.table);
        benchmark::DoNotOptimize(dealt.table.TableSurface->Composition.constBits());
    }
}
BENCHMARK(ReplaceSurfaceAfterResize)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
