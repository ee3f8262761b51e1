// The bins under the mouse and the commands on whole bins: hovering from cell
// to cell and picking must cost the same on a small and a 4096 x 4096 set;
// stamping during a drag, a right-bin flip and a full save stay well under
// what a user would notice.
#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/targa.h"
#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/picture_buffer.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"

namespace {

QImage Pattern(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = 0xFF000000u | uint32_t((x * 7) & 255) << 16 | uint32_t((y * 3) & 255) << 8 | uint32_t((x ^ y) & 255);
    }
    return img;
}

struct Bench {
    ScriptedDialogs dialogs;
    Form1 form{dialogs};
    TextureBins& bins = *form.bins;

    explicit Bench(int leftSide = 256)
    {
        form.endProgram = [] {};
        // A loaded set: drawn into the left bin, then copied into its clean copy.
        bins.Picture1->setHeight(leftSide);
        bins.Picture1->setWidth(leftSide);
        bins.Picture1->DrawPixels(Pattern(leftSide, leftSide));
        bins.BackupPic->setHeight(leftSide);
        bins.BackupPic->setWidth(leftSide);
        bins.BackupPic->setPicture(bins.Picture1->Image());
        bins.Backuppic2->PaintPicture(Pattern(256, 2048), 0, 0, 256, 2048);
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

double ProcessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// What a user meets the first time: a new, shown window loads a 4096 x 4096
// set through File > Load Texture Set, is told it is larger than it seems,
// and the mouse enters the bin (the selector is drawn), each followed by a
// turn of the event loop that paints it. Beside it, in the same run, the
// cost of touching one fresh 64 MiB buffer, which is what the kernel charges
// for handing out that much new memory. Both are process CPU time without
// building or tearing down; "ratio" is load / touch.
void BM_FirstLoadBesideFreshBuffer4096(benchmark::State& state)
{
    const BigSetFile file;
    constexpr std::size_t kBufferBytes = std::size_t(64) << 20;
    double loadMs = 0, touchMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto dialogs = std::make_unique<ScriptedDialogs>();
        auto form = std::make_unique<Form1>(*dialogs);
        form->endProgram = [] {};
        form->show();
        QApplication::processEvents();
        dialogs->openAnswers.push_back(file.name);
        state.ResumeTiming();

        double t0 = ProcessCpuMs();
        form->loadtexset_Click();
        QApplication::processEvents();
        form->bins->Picture1_MouseMove(0, 0, 70, 70);
        QApplication::processEvents();
        loadMs += ProcessCpuMs() - t0;

        t0 = ProcessCpuMs();
        char* buffer = new char[kBufferBytes];
        std::memset(buffer, 0x5a, kBufferBytes);
        benchmark::DoNotOptimize(buffer);
        benchmark::ClobberMemory();
        touchMs += ProcessCpuMs() - t0;

        state.PauseTiming();
        if (dialogs->shown.size() != 1 || form->bins->Picture1->Width() != 4096)
            state.SkipWithError("the set was not loaded");
        delete[] buffer;
        form.reset();
        dialogs.reset();
        state.ResumeTiming();
    }
    const double n = double(state.iterations());
    state.counters["load_ms"] = loadMs / n;
    state.counters["touch_ms"] = touchMs / n;
    state.counters["ratio"] = touchMs > 0 ? loadMs / touchMs : 0;
}
BENCHMARK(BM_FirstLoadBesideFreshBuffer4096)->Unit(benchmark::kMillisecond);

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
