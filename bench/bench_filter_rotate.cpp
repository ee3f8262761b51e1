// The quarter-tile and Filter / Rotate tabs: the pure pixel work on one tile,
// and whole handlers as a click runs them (a filter read from its files, a
// quarter turn shown in the work tile, a corner paste). Each stays far below
// a frame.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/filter_arithmetic.h"
#include "core/filter_files.h"
#include "core/picture_files.h"
#include "core/quarter_tile.h"
#include "layer_tools/filter_rotate.h"
#include "layer_tools/quarter_tiles.h"
#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/file_list.h"
#include "platform/picture_buffer.h"
#include "texture_set/layers.h"

namespace {

QImage Tile(int seed)
{
    QImage img(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < 64; ++x)
            row[x] = 0xFF000000u | uint32_t((x * 7 + seed) & 255) << 16 | uint32_t((y * 3 + seed) & 255) << 8
                     | uint32_t((x ^ y) & 255);
    }
    return img;
}

// A main window in a program folder of its own with one filter in it.
struct TabBench {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form;

    TabBench()
    {
        QDir(dir.path()).mkpath(QStringLiteral("Filters"));
        ProgramFolder::Override(dir.path());
        const QString filters = QDir(dir.path()).filePath(QStringLiteral("Filters"));
        QFile fil(QDir(filters).filePath(QStringLiteral("Bench.fil")));
        if (fil.open(QIODevice::WriteOnly))
            fil.write("Bench\r\nGlimmerdeck\r\nbench\r\n");
        fil.close();
        SavePicture(Tile(90), QDir(filters).filePath(QStringLiteral("bench.bmp")));
        form = std::make_unique<Form1>(dialogs);
        form->endProgram = [] {};
        form->File1->setPath(filters);
        form->layers->Image1->setPicture(Tile(1));
        form->layers->Image2->setPicture(Tile(2));
    }
    ~TabBench() { ProgramFolder::Override(QString()); }
};

void BM_TurnTile(benchmark::State& state)
{
    const QImage t = Tile(3);
    const auto turn = static_cast<TileTurn>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(TurnTile(t, turn));
}
BENCHMARK(BM_TurnTile)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_ReduceToQuarter(benchmark::State& state)
{
    const QImage t = Tile(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReduceToQuarter(t));
}
BENCHMARK(BM_ReduceToQuarter)->Unit(benchmark::kMicrosecond);

void BM_ApplyFilterBitmap(benchmark::State& state)
{
    const QImage t = Tile(5), f = Tile(200);
    for (auto _ : state)
        benchmark::DoNotOptimize(ApplyFilterBitmap(f, t));
}
BENCHMARK(BM_ApplyFilterBitmap)->Unit(benchmark::kMicrosecond);

// Selecting a filter in the list: reading both files, then filtering.
void BM_ApplyFilterFromList(benchmark::State& state)
{
    TabBench b;
    FilterRotate& tab = *b.form->filterRotate;
    tab.Command39_Click();
    tab.File1->setCurrentRow(0);
    for (auto _ : state)
        tab.File1_Click();
    if (!b.dialogs.shown.empty())
        state.SkipWithError("the filter was not applied");
}
BENCHMARK(BM_ApplyFilterFromList)->Unit(benchmark::kMicrosecond);

void BM_RotateClick(benchmark::State& state)
{
    TabBench b;
    FilterRotate& tab = *b.form->filterRotate;
    tab.Command39_Click();
    for (auto _ : state)
        tab.Command37_Click();
}
BENCHMARK(BM_RotateClick)->Unit(benchmark::kMicrosecond);

// Loading a layer into the 1/4 Tiles tab (with its reduction) and pasting a corner.
void BM_QuarterLoadAndPaste(benchmark::State& state)
{
    TabBench b;
    QuarterTiles& tab = *b.form->quarterTiles;
    for (auto _ : state) {
        tab.Command19_Click();
        tab.Command24_Click();
    }
}
BENCHMARK(BM_QuarterLoadAndPaste)->Unit(benchmark::kMicrosecond);

} // namespace
