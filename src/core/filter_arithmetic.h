#pragma once
// Filter arithmetic: a filter bitmap multiplied into a tile, channel by
// channel, as a fraction of 255.
#include <QImage>

#include "core/colour.h"

// One channel of a filtered pixel: floor((filter / 255) x layer) in double
// precision, the quotient rounded to a double before the multiplication (so
// 147 over 85 gives 48, not 49). Both values 0..255; the result is 0..255.
int FilterChannel(int filter, int layer);
// A whole pixel, channel by channel.
Colour FilterPixel(Colour filter, Colour layer);
// Multiplies the filter bitmap into the tile pixel by pixel. The result has
// the tile's size; where the filter is smaller, the tile's pixels are kept
// (as under a white filter).
QImage ApplyFilterBitmap(const QImage& filter, const QImage& tile);
