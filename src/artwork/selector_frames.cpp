#include "artwork/artwork.h"

#include <QPointF>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "artwork/drawing.h"

// The selector frames that follow the mouse over the bins: a 9-pixel ring
// around a 64 x 64 black centre, and the mask that cuts the ring's shape.

namespace artwork {
namespace {

// Stable integer hash, so the "random" textures look the same on every run
// and every platform.
std::uint32_t Hash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= static_cast<std::uint32_t>(y) * 0x27D4EB2Fu;
    h = (h ^ (h >> 15)) * 0x165667B1u;
    return h ^ (h >> 16);
}

double Hash01(int x, int y, std::uint32_t seed)
{
    return (Hash(x, y, seed) & 0xFFFFFF) / double(0xFFFFFF);
}

// Smoothly interpolated value noise on a lattice of the given cell size.
double ValueNoise(double x, double y, double cell, std::uint32_t seed)
{
    const double fx = x / cell, fy = y / cell;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(fx - ix), ty = smooth(fy - iy);
    const double a = Hash01(ix, iy, seed), b = Hash01(ix + 1, iy, seed);
    const double c = Hash01(ix, iy + 1, seed), d = Hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

constexpr int kFrameSize = 82;
constexpr int kFrameWidth = 9;

enum class Side { Top, Left, Bottom, Right };

struct RingPos {
    Side side;
    int depth; // 0 at the outer edge, kFrameWidth - 1 next to the centre
};

// Which edge of the ring a pixel belongs to (corners split on the diagonal,
// like a mitred picture frame) and how far in it lies.
RingPos RingPosition(int x, int y)
{
    const int top = y, left = x, bottom = kFrameSize - 1 - y, right = kFrameSize - 1 - x;
    const int m = std::min({top, left, bottom, right});
    if (m == top && top <= right)
        return {Side::Top, m};
    if (m == left && left <= bottom)
        return {Side::Left, m};
    if (m == bottom)
        return {Side::Bottom, m};
    return {Side::Right, m};
}

bool InRing(int x, int y)
{
    return x < kFrameWidth || y < kFrameWidth || x >= kFrameSize - kFrameWidth
        || y >= kFrameSize - kFrameWidth;
}

// Light falls from the top left: top and left faces bright, bottom and right
// dark, fading towards the inner edge. The outermost and innermost pixels are
// a dark outline. Returns a Shade() amount.
double BevelLight(const RingPos& pos, double strength)
{
    if (pos.depth == 0 || pos.depth == kFrameWidth - 1)
        return -0.55;
    double side = 0;
    switch (pos.side) {
    case Side::Top:
        side = 0.55;
        break;
    case Side::Left:
        side = 0.3;
        break;
    case Side::Right:
        side = -0.3;
        break;
    case Side::Bottom:
        side = -0.5;
        break;
    }
    const double fade = 1.0 - 0.09 * (pos.depth - 1);
    return side * fade * strength;
}

using RingTexture = QColor (*)(int x, int y);

QImage FrameFromTexture(RingTexture texture, double bevelStrength)
{
    QImage img = Canvas(kFrameSize, kFrameSize, Qt::black);
    for (int y = 0; y < kFrameSize; ++y)
        for (int x = 0; x < kFrameSize; ++x)
            if (InRing(x, y))
                img.setPixel(x, y, Shade(texture(x, y), BevelLight(RingPosition(x, y), bevelStrength)).rgb());
    return img;
}

// Cobblestones: Voronoi cells around jittered seed points, dark mortar where
// two cells meet, each stone lit from the top left.
QColor StoneTexture(int x, int y)
{
    constexpr int kCell = 7;
    const double px = x + 0.5, py = y + 0.5;
    const int cx = x / kCell, cy = y / kCell;
    double best = 1e9, second = 1e9;
    int bestX = 0, bestY = 0;
    QPointF bestSeed;
    for (int j = cy - 1; j <= cy + 1; ++j)
        for (int i = cx - 1; i <= cx + 1; ++i) {
            const QPointF seed(
                (i + 0.2 + 0.6 * Hash01(i, j, 11)) * kCell, (j + 0.2 + 0.6 * Hash01(i, j, 12)) * kCell);
            const double d = std::hypot(px - seed.x(), py - seed.y());
            if (d < best) {
                second = best;
                best = d;
                bestX = i;
                bestY = j;
                bestSeed = seed;
            } else if (d < second) {
                second = d;
            }
        }
    if (second - best < 1.1)
        return QColor(0x3A, 0x28, 0x18);
    const QColor base = Shade(QColor(0x94, 0x64, 0x38), (Hash01(bestX, bestY, 13) - 0.5) * 0.45);
    const double lit = ((bestSeed.x() - px) + (bestSeed.y() - py)) / (kCell * 1.2);
    const double grain = (Hash01(x, y, 14) - 0.5) * 0.12;
    return Shade(base, std::clamp(lit * 0.35 + grain, -0.5, 0.5));
}

// Granite: soft mottling with black, white and rosy specks.
QColor GraniteTexture(int x, int y)
{
    const double mottle = ValueNoise(x, y, 6.0, 21) * 0.6 + ValueNoise(x, y, 2.5, 22) * 0.4;
    QColor c = Mix(QColor(0x70, 0x70, 0x74), QColor(0xB4, 0xB4, 0xB8), mottle);
    // Crystals come in small clumps, not single pixels: threshold fine noise.
    if (ValueNoise(x, y, 1.7, 23) > 0.8)
        return Mix(c, QColor(0x14, 0x14, 0x18), 0.85);
    if (ValueNoise(x, y, 2.1, 24) > 0.82)
        return Mix(c, QColor(0xF0, 0xF0, 0xF0), 0.8);
    if (ValueNoise(x, y, 2.6, 25) > 0.85)
        return Mix(c, QColor(0xC8, 0x98, 0x98), 0.7);
    return Shade(c, (Hash01(x, y, 26) - 0.5) * 0.12);
}

// Hazard tape: diagonal yellow and black bands.
QColor StripeTexture(int x, int y)
{
    return ((x + y) / 6) % 2 == 0 ? QColor(0xF8, 0xD0, 0x10) : QColor(0x20, 0x20, 0x20);
}

// Per-hue plain textures for the bevelled frames. Function pointers need
// distinct functions, hence the small template.
template <int R, int G, int B> QColor Plain(int, int)
{
    return QColor(R, G, B);
}

} // namespace

QImage SelectorFrame(int index)
{
    switch (index) {
    case 1:
        return Finish(FrameFromTexture(Plain<0x20, 0xA8, 0x30>, 1.0));
    case 2:
        return Finish(FrameFromTexture(Plain<0x28, 0x58, 0xD8>, 1.0));
    case 3:
        return Finish(FrameFromTexture(Plain<0xC0, 0x30, 0xC0>, 1.0));
    case 4:
        return Finish(FrameFromTexture(Plain<0xE0, 0xC0, 0x10>, 1.0));
    case 5:
        return Finish(FrameFromTexture(StoneTexture, 0.5));
    case 6:
        return Finish(FrameFromTexture(GraniteTexture, 0.6));
    case 7:
        return Finish(FrameFromTexture(StripeTexture, 0.35));
    default:
        return Finish(FrameFromTexture(Plain<0xC8, 0x24, 0x24>, 1.0));
    }
}

QImage SelectorMask()
{
    QImage img = Canvas(kFrameSize, kFrameSize, Qt::black);
    img.fill(Qt::black);
    for (int y = kFrameWidth; y < kFrameSize - kFrameWidth; ++y)
        for (int x = kFrameWidth; x < kFrameSize - kFrameWidth; ++x)
            img.setPixel(x, y, 0xFFFFFFFFu);
    return Finish(img);
}

} // namespace artwork
