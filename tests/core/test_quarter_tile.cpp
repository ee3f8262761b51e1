// Quarter tiles: reduction by point sampling.
#include <gtest/gtest.h>

#include "core/quarter_tile.h"
#include "harness.h"

TEST(ReduceToQuarter, KeepsTheTopLeftPixelOfEveryTwoByTwoBlock)
{
    const QImage tile = PatternImage(64, 64, 7);
    const QImage half = ReduceToQuarter(tile);
    ASSERT_EQ(half.size(), QSize(32, 32));
    for (int j = 0; j < 32; ++j)
        for (int i = 0; i < 32; ++i)
            ASSERT_EQ(At(half, i, j), At(tile, 2 * i, 2 * j));

    // A one-pixel checkerboard keeps only the colour of its pixel (0, 0).
    QImage board(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            board.setPixel(x, y, ColourToQRgb((x + y) % 2 ? 0x00FFFFFF : 0x00123456));
    EXPECT_EQ(ReduceToQuarter(board), SolidImage(32, 32, 0x00123456));
}
