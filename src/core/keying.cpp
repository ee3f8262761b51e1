#include "core/keying.h"

#include <cstdlib>

bool KeepsTopPixel(Colour pixel, Colour key, bool nearKeying, int tolerance)
{
    if (!nearKeying)
        return pixel != key;
    // Near keying widens the key colour into a cube: a pixel within the
    // tolerance of the key in all three channels counts as key colour and
    // lets the base show through; one channel further away keeps it.
    const RgbParts p = SplitColor(pixel);
    const RgbParts k = SplitColor(key);
    return std::abs(p.red - k.red) > tolerance || std::abs(p.green - k.green) > tolerance
           || std::abs(p.blue - k.blue) > tolerance;
}

void KeyOver(QImage& result, const QImage& top, Colour key, bool nearKeying, int tolerance)
{
    if (result.size() != top.size() || result.format() != QImage::Format_RGB32
        || top.format() != QImage::Format_RGB32)
        return;
    const int w = result.width();
    for (int y = 0; y < result.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(top.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (KeepsTopPixel(ColourFromQRgb(in[x]), key, nearKeying, tolerance))
                out[x] = in[x] | 0xFF000000u;
        }
    }
}
