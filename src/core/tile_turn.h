#pragma once
// Turning a tile by quarter turns and mirroring it.
#include <QImage>

enum class TileTurn {
    Clockwise,        // (x, y) goes to (h - 1 - y, x): the top row becomes the right column
    CounterClockwise, // (x, y) goes to (y, w - 1 - x): the top row becomes the left column
    FlipHorizontal,   // (x, y) goes to (w - 1 - x, y)
    FlipVertical,     // (x, y) goes to (x, h - 1 - y)
};

// The picture turned or mirrored; every colour is copied unchanged. A quarter
// turn of a w x h picture is h x w. The result is Format_RGB32.
QImage TurnTile(const QImage& tile, TileTurn turn);
