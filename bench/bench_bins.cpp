// The bins under the mouse and the commands on whole bins: hovering from cell
// to cell and picking must cost the same on a small and a 4096 x 4096 set;
// stamping during a drag, a right-bin flip and a full save stay well under
// what a user would notice. These repeat an action in one warm process; what
// a first load or a first flip costs in a fresh process is measured in
// bench_cold.cpp.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/targa.h"
#include "harness.h"
#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/picture_buffer.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"

namespace {

struct Bench {
    ScriptedDialogs dialogs;
    Form1 form{dialogs};
    TextureBins& bins = *form.bins;

    explicit Bench(int leftSide = 256)
    {
        // A loaded set: drawn into the left bin, then copied into its clean copy.
        bins.Picture1->setHeight(leftSide);
        bins.Picture1->setWidth(leftSide);
        bins.Picture1->DrawPixels(BenchPicture(leftSide, leftSide));
        bins.BackupPic->setHeight(leftSide);
        bins.BackupPic->setWidth(leftSide);
        bins.BackupPic->setPicture(bins.Picture1->Image());
        bins.Backuppic2->PaintPicture(BenchPicture(256, 2048), 0, 0, 256, 2048);
        bins.SetCustomSetHeight(2048);
        bins.RestoreBins();
    }
};

// A 4096 x 4096 texture set in a temporary folder.
struct BigSetFile {
    QTemporaryDir dir;
    QString name = QDir(dir.path()).filePath(QStringLiteral("big.tga"));

    BigSetFile()
    {
        QFile f(name);
        f.open(QIODevice::WriteOnly);
        TargaHeader h = TextureSetHeader(4096);
        h.Width = 4096;
        const auto head = EncodeTargaHeader(h);
        f.write(reinterpret_cast<const char*>(head.data()), kTargaHeaderSize);
        f.write(QByteArray(4096 * 4096 * 3, '\x5a'));
    }
};

// Loading a 4096 x 4096 texture set again into the same left bin and its
// clean copy.
void BM_LoadTargaIntoBin4096(benchmark::State& state)
{
    const BigSetFile file;
    Bench b;
    for (auto _ : state)
        b.bins.LoadTarga(file.name, *b.bins.Picture1);
    state.SetBytesProcessed(int64_t(state.iterations()) * 4096 * 4096 * 3);
}
BENCHMARK(BM_LoadTargaIntoBin4096)->Unit(benchmark::kMillisecond);

void BM_HoverCellChange(benchmark::State& state)
{
    Bench b(static_cast<int>(state.range(0)));
    float x = 10;
    for (auto _ : state) {
        x = x < 100 ? 150 : 10; // every move enters another cell
        b.bins.Picture1_MouseMove(0, 0, x, 130);
    }
}
BENCHMARK(BM_HoverCellChange)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMicrosecond);

void BM_PickWhileDragging(benchmark::State& state)
{
    Bench b(static_cast<int>(state.range(0)));
    float x = 10;
    for (auto _ : state) {
        x = x < 100 ? 150 : 10;
        b.bins.Picture1_MouseMove(1, 0, x, 130); // cell change + pick into layer A
    }
}
BENCHMARK(BM_PickWhileDragging)->Arg(256)->Arg(4096)->Unit(benchmark::kMicrosecond);

void BM_StampDuringDrag(benchmark::State& state)
{
    Bench b;
    float y = 10;
    for (auto _ : state) {
        y = y < 1000 ? y + 64 : 10;
        b.bins.Picture2_MouseMove(1, 0, 70, y);
    }
}
BENCHMARK(BM_StampDuringDrag)->Unit(benchmark::kMicrosecond);

void BM_FlipRightBin2048(benchmark::State& state)
{
    Bench b;
    for (auto _ : state)
        b.bins.rightbin_Click();
}
BENCHMARK(BM_FlipRightBin2048)->Unit(benchmark::kMillisecond);

void BM_SaveFullSet(benchmark::State& state)
{
    Bench b;
    QTemporaryDir dir;
    const QString name = QDir(dir.path()).filePath(QStringLiteral("set.tga"));
    for (auto _ : state) {
        b.dialogs.saveAnswers.push_back(name);
        b.bins.savetexset_Click();
    }
}
BENCHMARK(BM_SaveFullSet)->Unit(benchmark::kMillisecond);

} // namespace
