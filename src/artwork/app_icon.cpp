#include "artwork/artwork.h"

#include <algorithm>
#include <cmath>

#include "artwork/drawing.h"

namespace artwork {

QImage AppIcon()
{
    // Four 14 x 14 tiles in a black grid, drawn pixel by pixel in the classic
    // 16-colour palette, with a sparkle where the grid lines cross.
    enum : QRgb {
        Maroon = 0xFF800000,
        Green = 0xFF008000,
        Olive = 0xFF808000,
        Teal = 0xFF008080,
        Grey = 0xFF808080,
        Silver = 0xFFC0C0C0,
        Red = 0xFFFF0000,
        Lime = 0xFF00FF00,
        Yellow = 0xFFFFFF00,
        Blue = 0xFF0000FF,
        Cyan = 0xFF00FFFF,
        White = 0xFFFFFFFF
    };
    QImage img = Canvas(32, 32, Qt::black);
    auto tile = [&](int ox, int oy, auto colourAt) {
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 14; ++x)
                img.setPixel(ox + x, oy + y, colourAt(x, y));
    };
    // Bricks.
    tile(1, 1, [](int x, int y) -> QRgb {
        if (y % 4 == 3)
            return Silver;
        const int shift = (y / 4) % 2 == 0 ? 0 : 3;
        if ((x + shift) % 7 == 6)
            return Silver;
        return (y % 4 == 0) ? Red : Maroon;
    });
    // Water.
    tile(17, 1, [](int x, int y) -> QRgb {
        const int wave = (x + (y / 3) * 2) % 6;
        if (y % 3 == 0 && wave < 2)
            return Cyan;
        return (y % 3 == 1 && wave == 3) ? Teal : Blue;
    });
    // Grass.
    tile(1, 17, [](int x, int y) -> QRgb {
        if ((x * 5 + y * 3) % 7 == 0)
            return Lime;
        return ((x + y * 2) % 9 == 0) ? Olive : Green;
    });
    // Stone slabs.
    tile(17, 17, [](int x, int y) -> QRgb {
        if (x == 0 || y == 0)
            return White;
        if (x == 13 || y == 13 || x == 6 || y == 6)
            return Grey;
        if (x == 7 || y == 7)
            return White;
        return Silver;
    });
    // Sparkle over the middle crossing: a white core with four yellow rays
    // running along the grid lines.
    for (int y = 9; y <= 22; ++y)
        for (int x = 9; x <= 22; ++x) {
            const double dx = std::abs(x - 15.5), dy = std::abs(y - 15.5);
            if (dx <= 1.5 && dy <= 1.5 && dx + dy < 3)
                img.setPixel(x, y, White);
            else if (std::min(dx, dy) <= 0.5 && dx + dy <= 6.5)
                img.setPixel(x, y, dx + dy <= 2.5 ? White : Yellow);
        }
    return Finish(img);
}

} // namespace artwork
