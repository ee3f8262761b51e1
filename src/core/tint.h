#pragma once
// Tinting: every channel of a picture scaled by a percentage of its own.
#include <QImage>

#include "core/colour.h"

// One channel scaled by a percentage: the percentage divided by 100 first,
// then multiplied by the channel, in double precision, rounded half to even.
// The result (0..510 for the tab's ranges) is not clamped here.
int TintChannel(int channel, int percent);

// A colour with each channel scaled by its own percentage, every component
// above 255 clamped to 255 when the colour is composed.
Colour TintColour(Colour colour, int redPercent, int greenPercent, int bluePercent);

// The whole picture tinted pixel by pixel (Format_RGB32 in, Format_RGB32 out,
// same size). Percentages outside 0..200 are taken as they are.
QImage TintPixels(const QImage& source, int redPercent, int greenPercent, int bluePercent);
