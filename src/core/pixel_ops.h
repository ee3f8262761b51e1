#pragma once
// Pixel work of the pixel editor over plain images (Format_RGB32), apart
// from the widgets: brushes, the spray, invert, the seven-fold enlargement
// of a tile and its sampling back, and the block copies of the selection.
//
// The editing surface shows tile pixel (x, y) as the 7 x 7 block of surface
// pixels from (7x, 7y) to (7x + 6, 7y + 6). Colours are 0x00BBGGRR; a read
// outside an image gives -1, a write outside it is dropped.
#include <cstdint>

#include <QImage>
#include <QString>
#include <QStringList>

#include "core/colour.h"

namespace pixel_ops {

constexpr int kBlock = 7;
constexpr int kTileSide = 64;
constexpr int kSurfaceSide = kTileSide * kBlock; // 448
constexpr int kLastBlock = kSurfaceSide - kBlock; // 441, origin of the last block
constexpr int kTipSide = 10;
constexpr Colour kWhite = 0x00FFFFFF;

// Origin of the block that holds the mouse coordinate v: Int(v / 7) * 7,
// rounding down (v = -3 lies in the block at -7).
int32_t BlockOrigin(float v);

// The seven brushes, "1 pixel brush" to "49 pixel brush": item k paints a
// square of k x k tile pixels.
QStringList BrushNames();
// Extent of the brush a text names: 7k - 1 surface pixels beyond the
// origin for item k; 0 (a single surface pixel) for any other text.
int BrushExtent(const QString& brushText);

Colour PixelAt(const QImage& img, int x, int y);
void PutPixel(QImage& img, int x, int y, Colour c);

// Paints the square from (x0, y0) to (x0 + extent, y0 + extent), clipped.
void PaintSquare(QImage& img, int32_t x0, int32_t y0, int extent, Colour c);
// The brush stamp: the square of the given extent whose top-left block is
// the block under (X, Y). It grows right and down only.
void PaintBrush(QImage& surface, float X, float Y, int extent, Colour c);

// The spray tip tinted for the current colour: each channel m of the
// pristine tip becomes m / 255 * (m + 255 - c), rounded half to even.
QImage TintTip(const QImage& pristineTip, Colour current);

// One spray stamp of the tinted tip for the mouse at (X, Y): tip pixel
// (c, r) darkens the block at (Int((X + 25) / 7) - c, Int((Y + 35) / 7) - r)
// in blocks, each channel p becoming Int(p / 255 * (255 - b)); with
// uniform, no channel ends below the current colour's.
void Spray(QImage& surface, const QImage& tintedTip, float X, float Y, Colour current, bool uniform);

// Inverts every block, reading each at its origin pixel.
void InvertBlocks(QImage& surface);

// Paints every block of the surface in the colour of its tile pixel.
void EnlargeTile(const QImage& tile, QImage& surface);
// Reads every block at (7x + 1, 7y + 1) into tile pixel (x, y).
void SampleTile(const QImage& surface, QImage& tile);

// Selection rectangles are block origins, both corners included.
struct BlockRect {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
// Swaps the corners so that y1 <= y2, then x1 <= x2.
void OrderCorners(BlockRect& r);
// Copies the blocks of r (read at their origins) into the clipboard, one
// pixel per block from (0, 0); with cut, each block is painted white after
// it was read.
void CopyBlocks(QImage& surface, QImage& clipboard, const BlockRect& r, bool cut);
// Paints clipboard pixels as blocks from (x1, y1): columns x1 .. x1 + width
// and rows y1 .. y1 + height in steps of 7 (width and height in surface
// pixels). Blocks beyond the surface are dropped.
void PasteBlocks(QImage& surface, const QImage& clipboard, int32_t x1, int32_t y1, double width, double height);
// Paints every block of r in one colour.
void FillBlocks(QImage& surface, const BlockRect& r, Colour c);

} // namespace pixel_ops
