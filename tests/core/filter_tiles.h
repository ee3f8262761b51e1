#pragma once
// Tiles for the tests of turning and filtering, shared with the tests of the
// Filter / Rotate tab.
#include <QImage>

#include "core/colour.h"
#include "harness.h"

// A tile and a filter bitmap of four colours each, and the tile filtered,
// worked out by hand: 128 over 200 gives 100 (100.39 floored); 147 over 85
// gives 48 and 147 over 170 gives 97, the quotient as a double times the
// layer value falling just under 49 and 98.
inline QImage FourColourTile()
{
    return QuadrantImage(RGB(200, 85, 77), RGB(170, 33, 200), RGB(9, 200, 85), RGB(64, 255, 255));
}
inline QImage FourColourFilter()
{
    return QuadrantImage(RGB(128, 147, 255), RGB(147, 255, 0), RGB(0, 128, 147), RGB(255, 0, 128));
}
inline QImage FourColourFiltered()
{
    return QuadrantImage(RGB(100, 48, 77), RGB(97, 33, 0), RGB(0, 100, 48), RGB(64, 0, 128));
}

// A tile that is not symmetric in any direction, so every mapping shows.
inline QImage Asymmetric() { return PatternImage(64, 64, 17); }
