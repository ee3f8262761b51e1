// The pixel editor under the mouse: a stroke with the largest brush, a spray
// stamp and a rubber-band move run on every mouse move; invert and the two
// transfers run once per click. All must stay far below a frame.
#include <benchmark/benchmark.h>

#include "harness.h"
#include "main_window/form1.h"
#include "pixel_editor/editing_surface.h"
#include "pixel_editor/editing_tools.h"
#include "pixel_editor/layer_transfer.h"
#include "pixel_editor/pixel_editor.h"
#include "pixel_editor/tool_panel.h"
#include "platform/dialogs.h"
#include "platform/picture_buffer.h"
#include "texture_set/layers.h"

namespace {

struct Bench {
    ScriptedDialogs dialogs;
    Form1 form{dialogs};
    PixelEditor& ed = *form.pixelEditor;
    EditingSurface& surface = *ed.surface;

    Bench()
    {
        ed.DrawEnabled = true;
        form.layers->Image1->setPicture(BenchPicture(64, 64));
        ed.transfer->Command5_Click();
    }
    void pick(int tool) { ed.panel->toolselect_MouseDown(tool, 1, 0, 0, 0); }
};

void BM_BrushStrokeLargest(benchmark::State& state)
{
    Bench b;
    b.pick(3); // Pencil
    b.surface.SetBrush(QStringLiteral("49 pixel brush"));
    float x = 0;
    for (auto _ : state) {
        x = x > 440 ? 0 : x + 7;
        b.surface.PixEditPic_MouseMove(1, 0, x, 200);
    }
}
BENCHMARK(BM_BrushStrokeLargest)->Unit(benchmark::kMicrosecond);

void BM_SprayMove(benchmark::State& state)
{
    Bench b;
    b.pick(5); // Uniform Spray
    float x = 0;
    for (auto _ : state) {
        x = x > 440 ? 0 : x + 3;
        b.surface.PixEditPic_MouseMove(1, 0, x, 220);
    }
}
BENCHMARK(BM_SprayMove)->Unit(benchmark::kMicrosecond);

void BM_SelectionBandMove(benchmark::State& state)
{
    Bench b;
    b.pick(6); // Selection
    b.surface.PixEditPic_MouseDown(1, 0, 20, 20);
    float x = 100;
    for (auto _ : state) {
        x = x > 440 ? 100 : x + 7;
        b.surface.PixEditPic_MouseMove(1, 0, x, x);
    }
}
BENCHMARK(BM_SelectionBandMove)->Unit(benchmark::kMicrosecond);

void BM_Invert(benchmark::State& state)
{
    Bench b;
    for (auto _ : state)
        b.ed.tools->Command36_Click();
}
BENCHMARK(BM_Invert)->Unit(benchmark::kMicrosecond);

void BM_ViewLayer(benchmark::State& state)
{
    Bench b;
    for (auto _ : state)
        b.ed.transfer->Command5_Click();
}
BENCHMARK(BM_ViewLayer)->Unit(benchmark::kMicrosecond);

void BM_SetLayer(benchmark::State& state)
{
    Bench b;
    for (auto _ : state)
        b.ed.transfer->Command10_Click();
}
BENCHMARK(BM_SetLayer)->Unit(benchmark::kMicrosecond);

} // namespace
