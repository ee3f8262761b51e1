// Cold benchmarks: the first load of a large texture set, the first flips and
// the first save, as a user meets them, in a fresh process each time.
//
// A benchmark that repeats an action in one process measures a warm program:
// the first, cold iteration is discarded and every later one gets back the
// memory the one before freed. Here every sample is a new process (this
// program started again with --cold-child): it opens an idle, shown main
// window that has loaded nothing, does the action once and ends. Its CPU time
// comes from wait4, less what the child reports it spent before the action
// (starting up and opening the window), so the action is charged with
// everything it costs up to and including the end of the process. The floor is
// measured the same way: a new process touches one fresh malloc'd buffer of
// the picture's size, in the ordinary pages malloc hands out. The first save
// is set beside another program writing the same file, also started afresh.
//
// The children are started afresh rather than forked from this process: Qt's
// painting hands work to a thread pool whose threads a forked child lacks.
//
// Samples are a few seconds apart. Memory a process frees is cheap to hand out
// again for a moment; on a virtual machine that returns free memory to its
// host it soon costs far more, and a user's first load meets it that way. (On
// this project's machines 64 MiB of huge pages cost about 8 ms right after the
// last process freed them and 130-170 ms five seconds later; ordinary pages
// cost about 35-50 ms either way.) GLIMMERDECK_COLD_PAUSE sets the pause in
// seconds (4 by default).
//
// Each benchmark runs its samples side by side, program and floor in turn, and
// reports medians with min and max (counters) and their ratio; the Time column
// is the program's median. Run them alone:
//   build-tests/bench/glimmerdeck_bench --benchmark_filter=Cold
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "cold_child.h"
#include "harness.h"
#include "core/targa.h"
#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/picture_buffer.h"
#include "texture_set/bins.h"

namespace {

// What a child writes back through descriptor kReportFd: [0] its CPU time
// before the action, [1..] what it measured, [last] 1 when the action did
// what it should.
constexpr int kReportFd = 3;
constexpr int kValues = 8;
using Report = std::array<double, kValues>;

struct Sample {
    double actionMs = 0; // the child's CPU time from wait4, less its start-up
    double wallMs = 0;   // from its start to its end
    Report values{};
    bool ok = false;
};

double Ms(const rusage& ru)
{
    return (double(ru.ru_utime.tv_sec) + double(ru.ru_stime.tv_sec)) * 1e3 +
           (double(ru.ru_utime.tv_usec) + double(ru.ru_stime.tv_usec)) / 1e3;
}

double SelfCpuMs()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return Ms(ru);
}

// The resident memory of this process in MiB (VmRSS of /proc/self/status).
double ResidentMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Starts exe with args and returns its CPU time from wait4 and its wall time.
// A child of this program (report) writes back its Report, and its CPU time
// before the action is taken off; any other program counts whole.
Sample Spawn(const std::string& exe, const std::vector<std::string>& args, bool report)
{
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return {};
    QElapsedTimer wall;
    wall.start();
    const pid_t pid = fork();
    if (pid < 0)
        return {};
    if (pid == 0) {
        dup2(fds[1], kReportFd); // dup2 clears close-on-exec on the copy
        const int quiet = open("/dev/null", O_WRONLY); // Qt's start-up notes
        if (quiet >= 0)
            dup2(quiet, 2);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    close(fds[1]);
    Sample s;
    const bool got = !report || read(fds[0], s.values.data(), sizeof s.values) == ssize_t(sizeof s.values);
    close(fds[0]);
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    s.wallMs = double(wall.nsecsElapsed()) / 1e6;
    s.actionMs = Ms(ru) - s.values[0];
    s.ok = got && WIFEXITED(status) && WEXITSTATUS(status) == 0 && (!report || s.values[kValues - 1] == 1);
    return s;
}

// Starts this program again as a child doing `kind` on a side x side set
// from `file`, and returns its CPU time and report.
Sample RunChild(const std::string& kind, int side, const QString& file)
{
    return Spawn("/proc/self/exe", {"--cold-child=" + kind + ":" + std::to_string(side) + ":" + file.toStdString()},
                 true);
}

struct Stats {
    double median = 0, min = 0, max = 0;
};

Stats Summary(std::vector<double> v)
{
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

// name_ms (or name_MiB, ...) with the median, name_min and name_max.
void Counters(benchmark::State& state, const std::string& name, const Stats& s, const std::string& unit = "ms")
{
    state.counters[name + "_" + unit] = s.median;
    state.counters[name + "_min"] = s.min;
    state.counters[name + "_max"] = s.max;
}

// A side x side texture set in a temporary folder.
struct SetFile {
    QTemporaryDir dir;
    QString name = QDir(dir.path()).filePath(QStringLiteral("big.tga"));

    explicit SetFile(int side)
    {
        QFile f(name);
        f.open(QIODevice::WriteOnly);
        TargaHeader h = TextureSetHeader(side);
        h.Width = int16_t(side);
        const auto head = EncodeTargaHeader(h);
        f.write(reinterpret_cast<const char*>(head.data()), kTargaHeaderSize);
        QByteArray row(qsizetype(side) * 3, '\0');
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side * 3; ++x)
                row[x] = char((x * 7 + y * 3) & 255);
            f.write(row);
        }
    }
};

constexpr int kSamples = 5;

// Lets memory freed by the sample before settle (see the top of the file).
void Pause()
{
    const QByteArray env = qgetenv("GLIMMERDECK_COLD_PAUSE");
    const unsigned seconds = env.isEmpty() ? 4u : env.toUInt();
    if (seconds > 0)
        sleep(seconds);
}

// kSamples pairs of children, the floor ("touch") and then `kind`, each
// after a pause; take(floor, program) collects what each pair measured. False,
// with the benchmark skipped, when a child failed.
template <class Take>
bool Samples(benchmark::State& state, const std::string& kind, int side, const QString& file, Take take)
{
    for (int i = 0; i < kSamples; ++i) {
        Pause();
        const Sample f = RunChild("touch", side, file);
        Pause();
        const Sample p = RunChild(kind, side, file);
        if (!f.ok || !p.ok) {
            state.SkipWithError(("a child failed: " + kind + " did not do what it should").c_str());
            return false;
        }
        take(f, p);
    }
    return true;
}

// First load + message + first hover, against touching a fresh buffer of the
// picture's size. Also the memory the process keeps after the hover above
// the idle window, as a share of the picture's bytes.
void BM_ColdFirstLoadHover(benchmark::State& state)
{
    const int side = int(state.range(0));
    const double pictureMiB = double(side) * side * 4 / (1 << 20);
    const SetFile file(side);
    std::vector<double> program, floor, kept;
    for (auto _ : state) {
        if (!Samples(state, "load", side, file.name, [&](const Sample& f, const Sample& p) {
                floor.push_back(f.actionMs);
                program.push_back(p.actionMs);
                kept.push_back(p.values[2] - p.values[1]);
            }))
            return;
        state.SetIterationTime(Summary(program).median / 1e3);
    }
    const Stats p = Summary(program), f = Summary(floor), k = Summary(kept);
    Counters(state, "program", p);
    Counters(state, "floor", f);
    state.counters["ratio"] = f.median > 0 ? p.median / f.median : 0;
    state.counters["kept_MiB"] = k.median;
    state.counters["kept_ratio"] = k.median / pictureMiB;
}
BENCHMARK(BM_ColdFirstLoadHover)->Arg(4096)->Arg(16384)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Two left-bin flips in a row, right after the first load and hover, each
// against touching a fresh 64 MiB buffer. Both flips and the floor are timed
// inside their child, so neither includes the end of the process.
void BM_ColdFlipTwice4096(benchmark::State& state)
{
    constexpr int kSide = 4096;
    const SetFile file(kSide);
    std::vector<double> first, second, floor;
    for (auto _ : state) {
        if (!Samples(state, "flips", kSide, file.name, [&](const Sample& f, const Sample& p) {
                floor.push_back(f.values[1]);
                first.push_back(p.values[1]);
                second.push_back(p.values[2]);
            }))
            return;
        state.SetIterationTime(Summary(second).median / 1e3);
    }
    const Stats a = Summary(first), b = Summary(second), f = Summary(floor);
    Counters(state, "flip1", a);
    Counters(state, "flip2", b);
    Counters(state, "floor", f);
    state.counters["ratio1"] = f.median > 0 ? a.median / f.median : 0;
    state.counters["ratio2"] = f.median > 0 ? b.median / f.median : 0;
}
BENCHMARK(BM_ColdFlipTwice4096)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Bin > Set Left bin to Right (its question answered Yes) right after the
// first load and hover, then the first left-bin flip, timed inside its child
// against touching a fresh buffer of the picture's size. Also the memory kept
// above the idle window right after the copy, after the flip, and after
// loading a set of the same size again: the right bin shows 256 x 2048 pixels,
// so past the copy no more of the left picture need stay than that.
void BM_ColdCopyLeftToRightFlip(benchmark::State& state)
{
    const int side = int(state.range(0));
    const SetFile file(side);
    std::vector<double> flip, floor, afterCopy, afterFlip, afterReload;
    for (auto _ : state) {
        if (!Samples(state, "copyflip", side, file.name, [&](const Sample& f, const Sample& p) {
                floor.push_back(f.values[1]);
                flip.push_back(p.values[1]);
                afterCopy.push_back(p.values[2]);
                afterFlip.push_back(p.values[3]);
                afterReload.push_back(p.values[4]);
            }))
            return;
        state.SetIterationTime(Summary(flip).median / 1e3);
    }
    const Stats a = Summary(flip), f = Summary(floor);
    Counters(state, "flip", a);
    Counters(state, "floor", f);
    state.counters["ratio"] = f.median > 0 ? a.median / f.median : 0;
    Counters(state, "copy_kept", Summary(afterCopy), "MiB");
    Counters(state, "flip_kept", Summary(afterFlip), "MiB");
    Counters(state, "kept", Summary(afterReload), "MiB");
}
BENCHMARK(BM_ColdCopyLeftToRightFlip)->Arg(4096)->Arg(16384)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The first save of a full Custom Texture Set (256 x 2048) in a fresh process,
// from the command to the file in place on the disk, against ImageMagick
// writing the same Targa (24-bit, uncompressed) from a PPM of the same
// picture, a whole new process of its own. The program's CPU time includes
// the end of its process; ImageMagick's also its start, and it flushes
// nothing to the disk, where the save waits for its bytes to be there.
void BM_ColdFirstSave2048(benchmark::State& state)
{
    // Debian's own name for it first: "convert" may be a wrapper.
    QString convert = QStandardPaths::findExecutable(QStringLiteral("convert-im6.q16"));
    if (convert.isEmpty())
        convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty()) {
        state.SkipWithError("ImageMagick's convert is not installed");
        return;
    }
    const QTemporaryDir dir;
    const QString ppm = dir.filePath(QStringLiteral("set.ppm")), ours = dir.filePath(QStringLiteral("ours.tga")),
                  theirs = dir.filePath(QStringLiteral("theirs.tga"));
    BenchPicture(256, 2048).save(ppm);
    constexpr qint64 kBytes = 18 + 768 * 2048;
    std::vector<double> program, programWall, magick, magickWall;
    for (auto _ : state) {
        for (int i = 0; i < kSamples; ++i) {
            Pause();
            const Sample m = Spawn(convert.toStdString(),
                                   {ppm.toStdString(), "-type", "TrueColor", "-compress", "none", theirs.toStdString()},
                                   false);
            Pause();
            const Sample p = RunChild("save", 2048, ours);
            if (!m.ok || !p.ok || QFileInfo(theirs).size() < kBytes || QFileInfo(ours).size() != kBytes) {
                state.SkipWithError("a save failed");
                return;
            }
            QFile::remove(ours);
            QFile::remove(theirs);
            program.push_back(p.actionMs);
            programWall.push_back(p.values[2]);
            magick.push_back(m.actionMs);
            magickWall.push_back(m.wallMs);
        }
        state.SetIterationTime(Summary(program).median / 1e3);
    }
    const Stats p = Summary(program), m = Summary(magick);
    Counters(state, "program", p);
    Counters(state, "program_wall", Summary(programWall));
    Counters(state, "magick", m);
    Counters(state, "magick_wall", Summary(magickWall));
    state.counters["ratio"] = m.median > 0 ? p.median / m.median : 0;
}
BENCHMARK(BM_ColdFirstSave2048)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------
// The children

// The floor: a fresh buffer of the picture's size from malloc, every byte
// written. [1] is the CPU time of that alone.
bool TouchFreshBuffer(std::size_t bytes, Report& r)
{
    r[0] = SelfCpuMs();
    char* buffer = static_cast<char*>(std::malloc(bytes));
    if (!buffer)
        return false;
    std::memset(buffer, 0x5a, bytes);
    benchmark::DoNotOptimize(buffer);
    benchmark::ClobberMemory();
    r[1] = SelfCpuMs() - r[0];
    return true;
}

// File > Load Texture Set with the given file, the "larger than it seems"
// message answered, and the mouse moved onto the bin (the selector is drawn),
// each followed by a turn of the event loop that paints it. True when the set
// was loaded and the message shown.
bool LoadAndHover(ScriptedDialogs& dialogs, Form1& form, const QString& file, int side)
{
    const std::size_t before = dialogs.shown.size();
    dialogs.openAnswers.push_back(file);
    form.loadtexset_Click();
    QApplication::processEvents();
    form.bins->Picture1_MouseMove(0, 0, 70, 70);
    QApplication::processEvents();
    return dialogs.shown.size() == before + 1 && form.bins->Picture1->Width() == side;
}

// Bin > Flip > Left Bin and a turn of the event loop; ms is its CPU time. True
// when the rows of the left bin changed places.
bool TimedLeftFlip(TextureBins& bins, int side, double& ms)
{
    const Colour top = bins.Picture1->GetPixel(1, 2), bottom = bins.Picture1->GetPixel(1, side - 3);
    const double t0 = SelfCpuMs();
    bins.leftbin_Click();
    QApplication::processEvents();
    ms = SelfCpuMs() - t0;
    return top != bottom && bins.Picture1->GetPixel(1, 2) == bottom && bins.Picture1->GetPixel(1, side - 3) == top;
}

// File > Save Texture Set of a Custom Texture Set whose 2048 rows are all in
// use, into a new file. [1] is the CPU time of the save, [2] its wall time up
// to the success message, which comes once the file is in place.
bool SaveFullSet(ScriptedDialogs& dialogs, Form1& form, const QString& file, Report& r)
{
    TextureBins& bins = *form.bins;
    bins.Backuppic2->PaintPicture(BenchPicture(256, 2048), 0, 0, 256, 2048);
    bins.SetCustomSetHeight(2048);
    bins.RestoreBins();
    QApplication::processEvents();
    dialogs.saveAnswers.push_back(file);
    QElapsedTimer wall;
    dialogs.whileShown = [&](const ScriptedDialogs::Shown&) { r[2] = double(wall.nsecsElapsed()) / 1e6; };
    r[0] = SelfCpuMs();
    wall.start();
    bins.savetexset_Click();
    r[1] = SelfCpuMs() - r[0];
    return dialogs.shown.size() == 1 && dialogs.shown[0].text == QStringLiteral("Custom Texture Set successfully saved!");
}

bool RunChildAction(const std::string& kind, int side, const QString& file, Report& r)
{
    if (kind == "touch")
        return TouchFreshBuffer(std::size_t(side) * std::size_t(side) * 4, r);

    // An idle main window, shown and painted, that has loaded nothing: what a
    // user sees just after starting the program.
    ScriptedDialogs dialogs;
    Form1 form(dialogs);
    form.show();
    QApplication::processEvents();
    if (kind == "save")
        return SaveFullSet(dialogs, form, file, r);
    const double idle = ResidentMiB();
    r[1] = idle;
    r[0] = SelfCpuMs();
    if (kind == "load") {
        const bool ok = LoadAndHover(dialogs, form, file, side);
        r[2] = ResidentMiB();
        return ok;
    }
    if (!LoadAndHover(dialogs, form, file, side))
        return false;
    TextureBins& bins = *form.bins;
    if (kind == "flips")
        return TimedLeftFlip(bins, side, r[1]) && TimedLeftFlip(bins, side, r[2]);
    if (kind == "copyflip") {
        // [1] the flip, [2..4] the memory kept above the idle window after
        // the copy, the flip, and the second load.
        dialogs.answers.push_back(MsgAnswer::Yes);
        bins.lefttoright_Click();
        QApplication::processEvents();
        r[2] = ResidentMiB() - idle;
        const bool copied = bins.Picture2->Height() == 2048 && bins.Picture2->GetPixel(1, 2) == bins.Picture1->GetPixel(1, 2);
        const bool flipped = TimedLeftFlip(bins, side, r[1]);
        r[3] = ResidentMiB() - idle;
        const bool reloaded = LoadAndHover(dialogs, form, file, side);
        r[4] = ResidentMiB() - idle;
        return copied && flipped && reloaded;
    }
    return false;
}

} // namespace

int RunColdChild(const char* action)
{
    // kind:side:file
    const QString s = QString::fromLocal8Bit(action);
    const qsizetype a = s.indexOf(QLatin1Char(':')), b = s.indexOf(QLatin1Char(':'), a + 1);
    if (a < 0 || b < 0)
        return 2;
    Report r{};
    const bool ok = RunChildAction(s.left(a).toStdString(), s.mid(a + 1, b - a - 1).toInt(), s.mid(b + 1), r);
    r[kValues - 1] = ok ? 1 : 0;
    if (write(kReportFd, r.data(), sizeof r) != ssize_t(sizeof r))
        return 3;
    // Ends here, as a user's program would, without tearing the window down
    // object by object.
    _exit(0);
}
