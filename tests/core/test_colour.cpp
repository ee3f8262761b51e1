// Colours: taking them apart, composing them and their QImage pixels.
#include <gtest/gtest.h>

#include "core/colour.h"

TEST(Colour, SplitAndCompose)
{
    auto eq = [](RgbParts p, int r, int g, int b) { return p.red == r && p.green == g && p.blue == b; };
    EXPECT_TRUE(eq(SplitColor(0x00123456), 0x56, 0x34, 0x12));
    EXPECT_TRUE(eq(SplitColor(0x00FFFFFF), 255, 255, 255));
    EXPECT_TRUE(eq(SplitColor(0), 0, 0, 0));
    EXPECT_TRUE(eq(SplitColor(-1), 255, 0, 0));
    EXPECT_EQ(RGB(300, 0, 0), 0x000000FF);
    EXPECT_EQ(RGB(255, 255, 255), 0x00FFFFFF);
    EXPECT_EQ(RGB(2.5, 3.5, 0.0), 0x00000402);
    for (Colour c : {0x00010203, 0x00FF00FF, 0x00800000})
        EXPECT_EQ(ColourFromQRgb(ColourToQRgb(c)), c);
}
