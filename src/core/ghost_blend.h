#pragma once
// Ghosting: two pictures mixed with an adjustable weight, and the blend's
// enlargement for a close view.
#include <QImage>

#include "core/colour.h"

// One channel of the blend: weight / 255 times (a - b), plus b, in double
// precision and in this order, rounded half to even. The weight of layer A
// is 0..255; at 255 the result is a, at 0 it is b.
int BlendChannel(int a, int b, int weight);

// A colour of layer A mixed with one of layer B, channel by channel.
Colour BlendColour(Colour a, Colour b, int weight);

// The blend of two pictures of one size, pixel by pixel; pictures of
// different sizes give a null picture.
QImage BlendGhostPixels(const QImage& layerA, const QImage& layerB, int weight);

// Nearest-neighbour enlargement: every pixel becomes a 2 x 2 block.
QImage EnlargeTwice(const QImage& source);
