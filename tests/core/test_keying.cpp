// Colour keying: the keying rule, exact and near, and laying one picture
// over another.
#include <gtest/gtest.h>

#include "core/keying.h"
#include "harness.h"

TEST(ColorKeyingRule, NearKeyingDropsColoursWithinTheToleranceInEveryChannel)
{
    const Colour key = RGB(100, 150, 200);
    // Exact keying: only the key itself is dropped; the tolerance plays no part.
    EXPECT_FALSE(KeepsTopPixel(key, key, false, 255));
    EXPECT_TRUE(KeepsTopPixel(RGB(100, 150, 201), key, false, 255));
    // Near keying at 0 behaves as exact keying.
    EXPECT_FALSE(KeepsTopPixel(key, key, true, 0));
    EXPECT_TRUE(KeepsTopPixel(RGB(101, 150, 200), key, true, 0));
    // Within the tolerance in all three channels (bound included): dropped.
    EXPECT_FALSE(KeepsTopPixel(RGB(110, 140, 210), key, true, 10));
    EXPECT_FALSE(KeepsTopPixel(RGB(90, 160, 190), key, true, 10));
    // One channel beyond it: kept, whichever channel and side.
    EXPECT_TRUE(KeepsTopPixel(RGB(111, 150, 200), key, true, 10));
    EXPECT_TRUE(KeepsTopPixel(RGB(100, 139, 200), key, true, 10));
    EXPECT_TRUE(KeepsTopPixel(RGB(100, 150, 211), key, true, 10));
    // The widest tolerance drops every colour, extremes included.
    EXPECT_FALSE(KeepsTopPixel(RGB(0, 0, 0), RGB(255, 255, 255), true, 255));
    EXPECT_FALSE(KeepsTopPixel(RGB(255, 0, 255), RGB(0, 255, 0), true, 255));
    EXPECT_TRUE(KeepsTopPixel(RGB(0, 0, 0), RGB(255, 255, 255), true, 254));

    // KeyOver writes the kept pixels only.
    QImage result = SolidImage(64, 64, 0x00000001);
    QImage top = SolidImage(64, 64, key);
    top.setPixel(5, 5, ColourToQRgb(RGB(100, 150, 215)));
    top.setPixel(6, 5, ColourToQRgb(RGB(100, 150, 205)));
    KeyOver(result, top, key, true, 10);
    EXPECT_EQ(ColourFromQRgb(result.pixel(5, 5)), RGB(100, 150, 215));
    EXPECT_EQ(ColourFromQRgb(result.pixel(6, 5)), 0x00000001);
    EXPECT_EQ(ColourFromQRgb(result.pixel(63, 63)), 0x00000001);
}
