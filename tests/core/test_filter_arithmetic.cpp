// Filter arithmetic: the exact channel rule and a bitmap applied to a tile.
#include <gtest/gtest.h>

#include "core/filter_arithmetic.h"
#include "filter_tiles.h"
#include "harness.h"

TEST(FilterArithmetic, DividesFirstThenMultipliesThenFloors)
{
    EXPECT_EQ(FilterChannel(128, 200), 100); // 100.39 floored
    EXPECT_EQ(FilterChannel(147, 85), 48);   // 147/255 as a double, times 85, is just under 49
    // Across all pairs: never above the exact floor of f*l/255, one below it
    // for exactly twelve pairs, white keeps and black clears.
    int lower = 0;
    for (int f = 0; f < 256; ++f)
        for (int l = 0; l < 256; ++l) {
            const int exact = f * l / 255;
            const int got = FilterChannel(f, l);
            ASSERT_TRUE(got == exact || got == exact - 1) << f << " " << l;
            lower += got == exact - 1;
        }
    EXPECT_EQ(lower, 12);
    for (int l = 0; l < 256; ++l) {
        EXPECT_EQ(FilterChannel(255, l), l);
        EXPECT_EQ(FilterChannel(0, l), 0);
    }
    // Channels are independent: a red filter keeps only the red channel.
    EXPECT_EQ(FilterPixel(0x000000FF, 0x00C08040), 0x00000040);
    EXPECT_EQ(FilterPixel(0x00FFFFFF, 0x00C08040), 0x00C08040);
    EXPECT_EQ(FilterPixel(0x00800000, 0x00C8C8C8), 0x00640000);
}

TEST(FilterArithmetic, AppliesTheBitmapPixelByPixel)
{
    const QImage tile = FourColourTile();
    EXPECT_EQ(ApplyFilterBitmap(FourColourFilter(), tile), FourColourFiltered());
    EXPECT_EQ(ApplyFilterBitmap(SolidImage(64, 64, 0x00FFFFFF), tile), tile);
    EXPECT_EQ(ApplyFilterBitmap(SolidImage(64, 64, 0), tile), SolidImage(64, 64, 0));
    // Where the filter is smaller the tile is kept, as under white.
    const QImage part = ApplyFilterBitmap(SolidImage(10, 64, 0), tile);
    EXPECT_EQ(At(part, 9, 5), 0);
    EXPECT_EQ(At(part, 10, 5), At(tile, 10, 5));
}
