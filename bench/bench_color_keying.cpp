// Laying one 64 x 64 tile over another with a key colour: the pixel work
// alone and the whole Generate step the picker's mouse release runs.
#include <benchmark/benchmark.h>

#include "core/keying.h"
#include "layer_tools/color_keying.h"
#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/picture_buffer.h"
#include "texture_set/layers.h"

namespace {

QImage Tile(int seed)
{
    QImage img(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < 64; ++x)
            row[x] = 0xFF000000u | uint32_t((x * 7 + seed) & 255) << 16 | uint32_t((y * 3) & 255) << 8
                     | uint32_t((x ^ y) & 255);
    }
    return img;
}

void BM_KeyOver(benchmark::State& state)
{
    const bool nearKeying = state.range(0) != 0;
    const QImage base = Tile(1), top = Tile(2);
    const Colour key = PictureBuffer::FromQRgb(top.pixel(10, 10));
    for (auto _ : state) {
        QImage result = base.copy();
        KeyOver(result, top, key, nearKeying, 40);
        benchmark::DoNotOptimize(result.constBits());
    }
}
BENCHMARK(BM_KeyOver)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_GenerateOnTheTab(benchmark::State& state)
{
    ScriptedDialogs dialogs;
    Form1 form{dialogs};
    form.endProgram = [] {};
    form.layers->Image1->setPicture(Tile(3));
    form.layers->Image2->setPicture(Tile(4));
    ColorKeying& ck = *form.colorKeying;
    ck.CKeyPicker_MouseDown(1, 0, 5, 5);
    for (auto _ : state)
        ck.CKeyPicker_MouseUp(1, 0, 5, 5);
}
BENCHMARK(BM_GenerateOnTheTab)->Unit(benchmark::kMicrosecond);

} // namespace
