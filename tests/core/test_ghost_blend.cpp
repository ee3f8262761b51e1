// Ghosting: exact blended channels, colours and pictures, and the 2x view.
#include <gtest/gtest.h>

#include "core/ghost_blend.h"
#include "harness.h"

TEST(BlendTest, ChannelsMixByTheWeightOfLayerA)
{
    EXPECT_EQ(BlendChannel(255, 0, 128), 128); // 128 / 255 * 255 is exactly 128
    EXPECT_EQ(BlendChannel(0, 255, 128), 127); // the mix at 128 is not symmetric
    EXPECT_EQ(BlendChannel(3, 2, 128), 3);     // 2.50196...
    for (int c = 0; c < 256; c += 15) {
        EXPECT_EQ(BlendChannel(c, 255 - c, 255), c);
        EXPECT_EQ(BlendChannel(c, 255 - c, 0), 255 - c);
    }
    EXPECT_EQ(BlendColour(RGB(255, 0, 3), RGB(0, 255, 2), 128), RGB(128, 127, 3));

    const QImage a = QuadrantImage(RGB(255, 0, 3), RGB(147, 85, 200), RGB(0, 255, 2), RGB(10, 20, 30));
    const QImage b = QuadrantImage(RGB(0, 255, 2), RGB(85, 147, 100), RGB(255, 0, 3), RGB(30, 20, 10));
    EXPECT_EQ(BlendGhostPixels(a, b, 128),
              QuadrantImage(RGB(128, 127, 3), RGB(116, 116, 150), RGB(127, 128, 2), RGB(20, 20, 20)));
    EXPECT_EQ(BlendGhostPixels(a, b, 77),
              QuadrantImage(RGB(77, 178, 2), RGB(104, 128, 130), RGB(178, 77, 3), RGB(24, 20, 16)));
    EXPECT_EQ(BlendGhostPixels(a, b, 255), a);
    EXPECT_EQ(BlendGhostPixels(a, b, 0), b);

    const QImage small = PatternImage(3, 2, 4);
    EXPECT_TRUE(IsTwiceAsLarge(EnlargeTwice(small), small));
}
