#include "artwork/animation_viewer_art.h"

namespace artwork {

QImage FilmStrip()
{
    constexpr int kWidth = 352, kHeight = 21;
    constexpr int kHoleLeft = 4, kHoleWidth = 7, kHoleTop = 7, kHoleHeight = 7;
    const QRgb black = qRgb(0, 0, 0);
    const QRgb hole = qRgb(0x80, 0x80, 0x80);
    const QRgb rim = qRgb(0xB0, 0xB0, 0xB0);  // lit upper and left edges
    const QRgb shade = qRgb(0x50, 0x50, 0x50); // shaded lower and right edges

    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(black);
    for (int start = 0; start < kWidth; start += kFilmStripPeriod) {
        for (int dy = 0; dy < kHoleHeight; ++dy) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(kHoleTop + dy));
            for (int dx = 0; dx < kHoleWidth; ++dx) {
                const int x = start + kHoleLeft + dx;
                if (x >= kWidth)
                    break;
                const bool top = dy == 0, bottom = dy == kHoleHeight - 1;
                const bool left = dx == 0, right = dx == kHoleWidth - 1;
                if ((top || bottom) && (left || right))
                    continue; // rounded corners stay black
                line[x] = (top || left) ? rim : (bottom || right) ? shade : hole;
            }
        }
    }
    return img;
}

} // namespace artwork
