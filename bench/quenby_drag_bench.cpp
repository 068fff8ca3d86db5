// The cost of one pointer move while dragging a card over a dealt Klondike
// table: Drag and the composition of its dirty rectangle onto a window-sized
// picture standing for the window's own; at ratio 1 and on screens of twice
// and one and a half times the pixel density. Also the rebuild of the whole
// surface after a resize.
#include <games/frame.h>
#include <platform/density.h>
#include <platform/localtime.h>
#include <table/tablestate.h>
#include <table/tablesurface.h>

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>

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
    const qreal ratio = qreal(state.range(2)) / 100;
    DealtTable dealt(size, ratio);
    const QPoint centre = dealt.table.Centre();
    int step = 0;
    for (auto _ : state) {
        // Back and forth over the columns, 7 pixels a move.
        const int offset = (step++ % 60) * 7;
        Drag(dealt.table, centre.x() - 200 + offset, centre.y() - 40 + offset / 3);
        if (ratio == std::floor(ratio)) {
            // As the view paints: the dirty part composed onto the window's picture.
            const Rect area = dealt.table.DirtyRect.Intersected(dealt.table.ClientRect());
            dealt.table.DirtyRect = {};
            PaintOnto(dealt.table, dealt.screen, area);
        } else {
            // At a fractional ratio through the composition and a painter.
            const Rect area = Paint(dealt.table);
            QPainter painter(&dealt.screen);
            platform::paintSurface(painter, dealt.table.TableSurface->Composed(), area.ToQRect());
        }
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
        // As the view repaints: the whole table composed onto the window's picture.
        ReplaceSurface(dealt.table);
        dealt.table.DirtyRect = {};
        PaintOnto(dealt.table, dealt.screen, dealt.table.ClientRect());
        benchmark::DoNotOptimize(dealt.screen.constBits());
    }
}
BENCHMARK(ReplaceSurfaceAfterResize)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
