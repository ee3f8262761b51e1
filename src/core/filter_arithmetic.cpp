#include "core/filter_arithmetic.h"

#include <algorithm>
#include <cmath>

#include "core/picture_memory.h"

int FilterChannel(int filter, int layer)
{
    // The division first, as its own double; the order changes the result
    // for a few pairs (147 / 255 * 85 is just under 49).
    const double weight = static_cast<double>(filter) / 255.0;
    return static_cast<int>(std::floor(weight * static_cast<double>(layer)));
}

Colour FilterPixel(Colour filter, Colour layer)
{
    const RgbParts f = SplitColor(filter);
    const RgbParts l = SplitColor(layer);
    return RGB(FilterChannel(f.red, l.red), FilterChannel(f.green, l.green), FilterChannel(f.blue, l.blue));
}

QImage ApplyFilterBitmap(const QImage& filter, const QImage& tile)
{
    const QImage f = AsRgb32(filter);
    QImage out = AsRgb32(tile).copy();
    const int w = std::min(out.width(), f.width());
    const int h = std::min(out.height(), f.height());
    for (int y = 0; y < h; ++y) {
        const QRgb* fr = reinterpret_cast<const QRgb*>(f.constScanLine(y));
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = ColourToQRgb(FilterPixel(ColourFromQRgb(fr[x]), ColourFromQRgb(row[x])));
    }
    return out;
}
