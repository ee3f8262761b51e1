// The quarter-tile and Filter / Rotate tabs: whole handlers as a click runs
// them (a filter read from its files, a quarter turn shown in the work tile,
// a corner paste). Each stays far below a frame. The pixel work alone is in
// bench/core.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/picture_files.h"
#include "harness.h"
#include "layer_tools/filter_rotate.h"
#include "layer_tools/quarter_tiles.h"
#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/file_list.h"
#include "platform/picture_buffer.h"
#include "texture_set/layers.h"

namespace {

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
        SavePicture(BenchPicture(64, 64, 90), QDir(filters).filePath(QStringLiteral("bench.bmp")));
        form = std::make_unique<Form1>(dialogs);
        form->File1->setPath(filters);
        form->layers->Image1->setPicture(BenchPicture(64, 64, 1));
        form->layers->Image2->setPicture(BenchPicture(64, 64, 2));
    }
    ~TabBench() { ProgramFolder::Override(QString()); }
};

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
