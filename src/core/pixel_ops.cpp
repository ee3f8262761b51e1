#include "core/pixel_ops.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/conversions.h"

namespace pixel_ops {

int32_t BlockOrigin(float v)
{
    // Single-precision division, as the mouse coordinate is single precision;
    // far-out values saturate instead of overflowing.
    const double origin = std::floor(static_cast<double>(v / 7.0f)) * kBlock;
    if (!(origin >= std::numeric_limits<int32_t>::min() + 7.0))
        return std::numeric_limits<int32_t>::min() / kBlock * kBlock;
    if (origin > std::numeric_limits<int32_t>::max() - 7.0)
        return std::numeric_limits<int32_t>::max() / kBlock * kBlock;
    return static_cast<int32_t>(origin);
}

QStringList BrushNames()
{
    return {QStringLiteral("1 pixel brush"),  QStringLiteral("4 pixel brush"),  QStringLiteral("9 pixel brush"),
            QStringLiteral("16 pixel brush"), QStringLiteral("25 pixel brush"), QStringLiteral("36 pixel brush"),
            QStringLiteral("49 pixel brush")};
}

int BrushExtent(const QString& brushText)
{
    const QStringList names = BrushNames();
    for (int k = 0; k < names.size(); ++k)
        if (brushText == names[k])
            return kBlock * (k + 1) - 1;
    return 0;
}

Colour PixelAt(const QImage& img, int x, int y)
{
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return -1;
    return ColourFromQRgb(reinterpret_cast<const QRgb*>(img.constScanLine(y))[x]);
}

void PutPixel(QImage& img, int x, int y, Colour c)
{
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return;
    reinterpret_cast<QRgb*>(img.scanLine(y))[x] = ColourToQRgb(c);
}

void PaintSquare(QImage& img, int32_t x0, int32_t y0, int extent, Colour c)
{
    // 64-bit bounds: an origin near the 32-bit limits must not wrap.
    const int64_t left = std::max<int64_t>(x0, 0);
    const int64_t top = std::max<int64_t>(y0, 0);
    const int64_t right = std::min<int64_t>(int64_t(x0) + extent, img.width() - 1);
    const int64_t bottom = std::min<int64_t>(int64_t(y0) + extent, img.height() - 1);
    if (left > right || top > bottom)
        return;
    const QRgb pen = ColourToQRgb(c);
    for (int64_t y = top; y <= bottom; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(static_cast<int>(y)));
        std::fill(row + left, row + right + 1, pen);
    }
}

void PaintBrush(QImage& surface, float X, float Y, int extent, Colour c)
{
    PaintSquare(surface, BlockOrigin(X), BlockOrigin(Y), extent, c);
}

QImage TintTip(const QImage& pristineTip, Colour current)
{
    const RgbParts c = SplitColor(current);
    QImage tinted = pristineTip.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < tinted.height(); ++y)
        for (int x = 0; x < tinted.width(); ++x) {
            const RgbParts m = SplitColor(PixelAt(tinted, x, y));
            auto tint = [](int32_t mv, int32_t cv) { return mv / 255.0 * (mv + 255 - cv); };
            PutPixel(tinted, x, y, RGB(tint(m.red, c.red), tint(m.green, c.green), tint(m.blue, c.blue)));
        }
    return tinted;
}

void Spray(QImage& surface, const QImage& tintedTip, float X, float Y, Colour current, bool uniform)
{
    const int32_t bx = BlockOrigin(X + 25.0f);
    const int32_t by = BlockOrigin(Y + 35.0f);
    const RgbParts cur = SplitColor(current);
    auto darken = [](int32_t p, int32_t b) { return static_cast<int32_t>(std::floor(p / 255.0 * (255 - b))); };
    for (int r = 0; r < kTipSide; ++r)
        for (int c = 0; c < kTipSide; ++c) {
            const int64_t tx = int64_t(bx) - int64_t(kBlock) * c;
            const int64_t ty = int64_t(by) - int64_t(kBlock) * r;
            // A block outside the surface is neither read nor drawn.
            if (tx < 0 || ty < 0 || tx >= surface.width() || ty >= surface.height())
                continue;
            const RgbParts b = SplitColor(PixelAt(tintedTip, c, r));
            const RgbParts p = SplitColor(PixelAt(surface, int(tx), int(ty)));
            int32_t red = darken(p.red, b.red), green = darken(p.green, b.green), blue = darken(p.blue, b.blue);
            if (uniform) {
                red = std::max(red, cur.red);
                green = std::max(green, cur.green);
                blue = std::max(blue, cur.blue);
            }
            PaintSquare(surface, int32_t(tx), int32_t(ty), kBlock - 1, RGB(red, green, blue));
        }
}

void InvertBlocks(QImage& surface)
{
    for (int a = 0; a < kTileSide; ++a)
        for (int b = 0; b < kTileSide; ++b) {
            const RgbParts c = SplitColor(PixelAt(surface, kBlock * b, kBlock * a));
            PaintSquare(surface, kBlock * b, kBlock * a, kBlock - 1, RGB(255 - c.red, 255 - c.green, 255 - c.blue));
        }
}

void EnlargeTile(const QImage& tile, QImage& surface)
{
    for (int y = 0; y < kTileSide; ++y)
        for (int x = 0; x < kTileSide; ++x)
            PaintSquare(surface, kBlock * x, kBlock * y, kBlock - 1, PixelAt(tile, x, y));
}

void SampleTile(const QImage& surface, QImage& tile)
{
    for (int y = 0; y < kTileSide; ++y)
        for (int x = 0; x < kTileSide; ++x)
            PutPixel(tile, x, y, PixelAt(surface, kBlock * x + 1, kBlock * y + 1));
}

void OrderCorners(BlockRect& r)
{
    if (r.y1 > r.y2)
        std::swap(r.y1, r.y2);
    if (r.x1 > r.x2)
        std::swap(r.x1, r.x2);
}

void CopyBlocks(QImage& surface, QImage& clipboard, const BlockRect& r, bool cut)
{
    int j = 0;
    for (int64_t y = r.y1; y <= r.y2; y += kBlock, ++j) {
        int i = 0;
        for (int64_t x = r.x1; x <= r.x2; x += kBlock, ++i) {
            PutPixel(clipboard, i, j, PixelAt(surface, int(x), int(y)));
            if (cut)
                PaintSquare(surface, int32_t(x), int32_t(y), kBlock - 1, kWhite);
        }
    }
}

void PasteBlocks(QImage& surface, const QImage& clipboard, int32_t x1, int32_t y1, double width, double height)
{
    // Loop counters step 7 in single precision up to and including the end;
    // nothing beyond the surface's right or bottom edge can be drawn, so the
    // loops stop there.
    const double xEnd = std::min<double>(double(x1) + width, surface.width());
    const double yEnd = std::min<double>(double(y1) + height, surface.height());
    for (float y = float(y1); y <= yEnd; y += kBlock)
        for (float x = float(x1); x <= xEnd; x += kBlock) {
            const Colour c = PixelAt(clipboard, conv::CLng((x - float(x1)) / kBlock), conv::CLng((y - float(y1)) / kBlock));
            PaintBrush(surface, x, y, kBlock - 1, c);
        }
}

void FillBlocks(QImage& surface, const BlockRect& r, Colour c)
{
    for (int64_t y = r.y1; y <= r.y2; y += kBlock)
        for (int64_t x = r.x1; x <= r.x2; x += kBlock)
            PaintSquare(surface, int32_t(x), int32_t(y), kBlock - 1, c);
}

} // namespace pixel_ops
