// Reading a picture file whose decoder takes a byte at a time (text PPM),
// through the program's checked reader and through Qt's own loading of the
// same file: the checks that catch a file cut short should cost little.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "core/picture_files.h"
#include "harness.h"

namespace {

const QString& TextPpm()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QImage img = BenchPicture(512, 512, 5);
        QByteArray text = "P3\n512 512\n255\n";
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                text += QByteArray::number(qRed(p)) + ' ' + QByteArray::number(qGreen(p)) + ' ' +
                        QByteArray::number(qBlue(p)) + '\n';
            }
        const QString p = dir.filePath(QStringLiteral("text.ppm"));
        QFile f(p);
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
        return p;
    }();
    return path;
}

void BM_LoadTextPpm512(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPicture(TextPpm()));
}
BENCHMARK(BM_LoadTextPpm512)->Unit(benchmark::kMillisecond);

void BM_QtLoadTextPpm512(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(QImage(TextPpm()));
}
BENCHMARK(BM_QtLoadTextPpm512)->Unit(benchmark::kMillisecond);

} // namespace
