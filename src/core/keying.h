#pragma once
// Colour keying: laying one picture over another with a key colour made
// transparent.
#include <QImage>

#include "core/colour.h"

// Whether a top-layer pixel is laid over the base. Exact keying drops only
// pixels equal to the key as whole colour values; near keying drops every
// pixel whose red, green and blue each lie within `tolerance` of the key's
// (so a tolerance of 0 keys exactly as exact keying does, and 255 drops all).
bool KeepsTopPixel(Colour pixel, Colour key, bool nearKeying, int tolerance);

// Lays `top` over `result` (which holds the base layer): every pixel of top
// that KeepsTopPixel accepts is written into result at the same place; the
// others leave the base pixel, rows outer, columns inner. Both images are
// Format_RGB32 of one size; otherwise result is left as it is.
void KeyOver(QImage& result, const QImage& top, Colour key, bool nearKeying, int tolerance);
