#pragma once
// Picture and file helpers for the tests, with nothing above the core: the
// tests of pure code use them alone, and tests/harness.h adds the main
// window's fixtures on top.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include "core/colour.h"

// A picture of one colour (0x00BBGGRR).
inline QImage SolidImage(int w, int h, Colour c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ColourToQRgb(c));
    return img;
}

// A picture whose every pixel differs from its neighbours: colour from (x, y).
inline QImage PatternImage(int w, int h, int seed = 0)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, ColourToQRgb(RGB((x * 7 + seed) & 255, (y * 5 + seed) & 255, (x + y + seed) & 255)));
    return img;
}

// A 64 x 64 picture of four colours, one a quadrant (top left, top right,
// lower left, lower right), so a pixel operation's result is four colours
// worked out by hand.
inline QImage QuadrantImage(Colour topLeft, Colour topRight, Colour lowerLeft, Colour lowerRight)
{
    const Colour quadrants[4] = {topLeft, topRight, lowerLeft, lowerRight};
    QImage img(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            img.setPixel(x, y, ColourToQRgb(quadrants[(y / 32) * 2 + x / 32]));
    return img;
}

// The colour of a picture's pixel.
inline Colour At(const QImage& img, int x, int y) { return ColourFromQRgb(img.pixel(x, y)); }

// Whether big is small with every pixel a 2 x 2 block.
inline bool IsTwiceAsLarge(const QImage& big, const QImage& small)
{
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            if (big.pixel(x, y) != small.pixel(x / 2, y / 2))
                return false;
    return big.size() == small.size() * 2;
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}
