#pragma once
// The picture every benchmark works on, with nothing above the core, so the
// benchmarks of pure code and those of the windows share it.
#include <cstdint>

#include <QImage>

// A w x h picture of Format_RGB32 whose colour changes from each pixel to the
// next, following x, y and seed: no operation meets long runs of one colour,
// and two seeds give two different pictures.
inline QImage BenchPicture(int w, int h, int seed = 0)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = 0xFF000000u | uint32_t((x * 7 + seed) & 255) << 16 | uint32_t((y * 3 + seed) & 255) << 8
                     | uint32_t((x ^ y) & 255);
    }
    return img;
}
