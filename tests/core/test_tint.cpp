// Tinting: exact tinted channels, colours and pictures.
#include <gtest/gtest.h>

#include "core/tint.h"
#include "harness.h"

TEST(TintTest, ChannelsScaleDividingFirstAndRoundingHalfToEven)
{
    EXPECT_EQ(TintChannel(101, 150), 152); // 151.5
    EXPECT_EQ(TintChannel(5, 50), 2);      // 2.5
    EXPECT_EQ(TintChannel(15, 110), 16);   // 16.5
    EXPECT_EQ(TintChannel(25, 110), 28);   // 27.500000000000004
    EXPECT_EQ(TintChannel(150, 7), 11);    // 10.500000000000002; 150 * 7 / 100 would give 10
    EXPECT_EQ(TintChannel(90, 35), 31);    // multiplying first would give 32
    EXPECT_EQ(TintColour(RGB(200, 101, 5), 200, 150, 50), RGB(255, 152, 2));
    EXPECT_EQ(TintColour(0x00FFFFFF, 0, 0, 0), 0);

    // Each channel by its own percentage, none mixed up.
    const QImage src = QuadrantImage(RGB(101, 10, 90), RGB(200, 255, 25), RGB(5, 15, 150), RGB(0, 128, 255));
    EXPECT_EQ(TintPixels(src, 150, 70, 35),
              QuadrantImage(RGB(152, 7, 31), RGB(255, 178, 9), RGB(8, 10, 52), RGB(0, 90, 89)));
    EXPECT_EQ(TintPixels(src, 100, 100, 100), src);
}
