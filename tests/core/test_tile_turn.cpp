// Turning a tile: quarter turns and mirrors map every pixel to its place.
#include <gtest/gtest.h>

#include "core/tile_turn.h"
#include "filter_tiles.h"
#include "harness.h"

TEST(TurnTile, EveryOperationMapsEachPixelToItsPlace)
{
    const QImage t = Asymmetric();
    const QImage cw = TurnTile(t, TileTurn::Clockwise);
    const QImage ccw = TurnTile(t, TileTurn::CounterClockwise);
    const QImage h = TurnTile(t, TileTurn::FlipHorizontal);
    const QImage v = TurnTile(t, TileTurn::FlipVertical);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const Colour c = At(t, x, y);
            ASSERT_EQ(At(cw, 63 - y, x), c);
            ASSERT_EQ(At(ccw, y, 63 - x), c);
            ASSERT_EQ(At(h, 63 - x, y), c);
            ASSERT_EQ(At(v, x, 63 - y), c);
        }
    // The top row becomes the right column read downwards after a clockwise turn.
    EXPECT_EQ(At(cw, 63, 0), At(t, 0, 0));
    EXPECT_EQ(At(cw, 0, 0), At(t, 0, 63));
    EXPECT_EQ(At(ccw, 0, 63), At(t, 0, 0));

    // A quarter turn of a picture that is not square swaps its sides.
    const QImage wide = PatternImage(5, 3, 2);
    const QImage tall = TurnTile(wide, TileTurn::Clockwise);
    ASSERT_EQ(tall.size(), QSize(3, 5));
    EXPECT_EQ(At(tall, 2, 0), At(wide, 0, 0));
    EXPECT_EQ(At(tall, 0, 4), At(wide, 4, 2));
}

TEST(TurnTile, CompositionsGiveBackTheTileOrAHalfTurn)
{
    const QImage t = Asymmetric();
    auto turn = [](QImage img, std::initializer_list<TileTurn> ops) {
        for (TileTurn op : ops)
            img = TurnTile(img, op);
        return img;
    };
    using enum TileTurn;
    EXPECT_EQ(turn(t, {Clockwise, Clockwise, Clockwise, Clockwise}), t);
    EXPECT_EQ(turn(t, {CounterClockwise, CounterClockwise, CounterClockwise, CounterClockwise}), t);
    EXPECT_EQ(turn(t, {Clockwise, CounterClockwise}), t);
    EXPECT_EQ(turn(t, {FlipHorizontal, FlipHorizontal}), t);
    EXPECT_EQ(turn(t, {FlipVertical, FlipVertical}), t);
    EXPECT_EQ(turn(t, {FlipHorizontal, FlipVertical}), turn(t, {Clockwise, Clockwise}));
    EXPECT_EQ(turn(t, {Clockwise, Clockwise, Clockwise}), turn(t, {CounterClockwise}));
    EXPECT_NE(turn(t, {Clockwise}), t);
}
