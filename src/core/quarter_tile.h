#pragma once
// Quarter tiles: a tile reduced to half its width and height, to be pasted
// into one corner of another.
#include <QImage>

// Halves a picture by 2:1 point sampling, no averaging: pixel (i, j) of the
// result is pixel (2i, 2j) of the source, the top-left pixel of its 2 x 2
// block. A 64 x 64 tile gives 32 x 32. The result is Format_RGB32.
QImage ReduceToQuarter(const QImage& tile);
