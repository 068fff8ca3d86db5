// The first paint of a fresh window-sized surface, as at every start and
// after every resize: a plain QImage against one in large pages. Each
// iteration makes the image anew and fills it once, so the cost is mostly
// the kernel's, handing out memory on first touch.
#include <platform/largeimage.h>

#include <benchmark/benchmark.h>

#include <QImage>

#include <malloc.h>

namespace {

template <QImage (*Make)(QSize)>
void FirstFill(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        QImage image = Make(size);
        image.fill(0x800080);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetBytesProcessed(state.iterations() * qint64(size.width()) * size.height() * 4);
}

QImage Plain(QSize size) { return QImage(size, QImage::Format_RGB32); }
QImage Large(QSize size) { return platform::largeImage(size, QImage::Format_RGB32); }

// Three quarters of a 1280x1024 and of a 1920x1080 screen, less the menu bar.
void Sizes(benchmark::internal::Benchmark* b) { b->Args({960, 744})->Args({1440, 786}); }

BENCHMARK(FirstFill<Plain>)->Name("FirstFill/plain")->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstFill<Large>)->Name("FirstFill/large_pages")->Apply(Sizes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // A fixed threshold stops the allocator from keeping a freed surface for
    // the next one, which no start enjoys: every image here is fresh memory.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
