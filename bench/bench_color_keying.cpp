// Laying one 64 x 64 tile over another with a key colour: the whole Generate
// step the picker's mouse release runs (the pixel work alone is in
// bench/core).
#include <benchmark/benchmark.h>

#include "harness.h"
#include "layer_tools/color_keying.h"
#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/picture_buffer.h"
#include "texture_set/layers.h"

namespace {

void BM_GenerateOnTheTab(benchmark::State& state)
{
    ScriptedDialogs dialogs;
    Form1 form{dialogs};
    form.layers->Image1->setPicture(BenchPicture(64, 64, 3));
    form.layers->Image2->setPicture(BenchPicture(64, 64, 4));
    ColorKeying& ck = *form.colorKeying;
    ck.CKeyPicker_MouseDown(1, 0, 5, 5);
    for (auto _ : state)
        ck.CKeyPicker_MouseUp(1, 0, 5, 5);
}
BENCHMARK(BM_GenerateOnTheTab)->Unit(benchmark::kMicrosecond);

} // namespace
