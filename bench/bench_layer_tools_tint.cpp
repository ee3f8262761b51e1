// Tinting and blending one 64 x 64 tile, and the 2x view of a blend: each
// runs on every slider step, so it should take a few microseconds.
#include <benchmark/benchmark.h>

#include <QImage>

#include "core/ghost_blend.h"
#include "core/tint.h"
#include "layer_tools/ghosting.h"
#include "layer_tools/rgb_bright.h"

namespace {

QImage Tile(int seed)
{
    QImage img(64, 64, QImage::Format_RGB32);
    uint32_t state = uint32_t(seed) * 2654435761u + 1u;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            state = state * 1664525u + 1013904223u;
            img.setPixel(x, y, 0xFF000000u | (state >> 8));
        }
    return img;
}

void BM_TintTile(benchmark::State& state)
{
    const QImage tile = Tile(1);
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
    const QImage a = Tile(2), b = Tile(3);
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
    const QImage blend = BlendGhostPixels(Tile(4), Tile(5), 128);
    for (auto _ : state) {
        QImage out = EnlargeTwice(blend);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 128 * 128);
}
BENCHMARK(BM_EnlargeBlendTwice);

} // namespace
