// The tabs' pixel rules on one 64 x 64 tile. Tinting, blending and the 2x
// view of a blend run on every slider step, so each should take a few
// microseconds; keying, turning, reducing and filtering run once a click.
#include <benchmark/benchmark.h>

#include <QImage>

#include "core/filter_arithmetic.h"
#include "core/ghost_blend.h"
#include "core/keying.h"
#include "core/quarter_tile.h"
#include "core/tile_turn.h"
#include "core/tint.h"
#include "harness.h"

namespace {

void BM_TintTile(benchmark::State& state)
{
    const QImage tile = BenchPicture(64, 64, 1);
    int step = 0;
    for (auto _ : state) {
        const int p = step++ % 201; // a different setting each time, as a dragged slider gives
        QImage out = TintPixels(tile, p, 200 - p, 100);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 64 * 64);
}
BENCHMARK(BM_TintTile);

void BM_BlendTiles(benchmark::State& state)
{
    const QImage a = BenchPicture(64, 64, 2), b = BenchPicture(64, 64, 3);
    int step = 0;
    for (auto _ : state) {
        QImage out = BlendGhostPixels(a, b, step++ % 256);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 64 * 64);
}
BENCHMARK(BM_BlendTiles);

void BM_EnlargeBlendTwice(benchmark::State& state)
{
    const QImage blend = BlendGhostPixels(BenchPicture(64, 64, 4), BenchPicture(64, 64, 5), 128);
    for (auto _ : state) {
        QImage out = EnlargeTwice(blend);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 128 * 128);
}
BENCHMARK(BM_EnlargeBlendTwice);

void BM_KeyOver(benchmark::State& state)
{
    const bool nearKeying = state.range(0) != 0;
    const QImage base = BenchPicture(64, 64, 1), top = BenchPicture(64, 64, 2);
    const Colour key = ColourFromQRgb(top.pixel(10, 10));
    for (auto _ : state) {
        QImage result = base.copy();
        KeyOver(result, top, key, nearKeying, 40);
        benchmark::DoNotOptimize(result.constBits());
    }
}
BENCHMARK(BM_KeyOver)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_TurnTile(benchmark::State& state)
{
    const QImage t = BenchPicture(64, 64, 3);
    const auto turn = static_cast<TileTurn>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(TurnTile(t, turn));
}
BENCHMARK(BM_TurnTile)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_ReduceToQuarter(benchmark::State& state)
{
    const QImage t = BenchPicture(64, 64, 4);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReduceToQuarter(t));
}
BENCHMARK(BM_ReduceToQuarter)->Unit(benchmark::kMicrosecond);

void BM_ApplyFilterBitmap(benchmark::State& state)
{
    const QImage t = BenchPicture(64, 64, 5), f = BenchPicture(64, 64, 200);
    for (auto _ : state)
        benchmark::DoNotOptimize(ApplyFilterBitmap(f, t));
}
BENCHMARK(BM_ApplyFilterBitmap)->Unit(benchmark::kMicrosecond);

} // namespace
