// The numeric conversions: leading numbers, rounding half to even, Int and
// 16-bit wrapping.
#include <cmath>

#include <gtest/gtest.h>

#include "core/conversions.h"

TEST(Conversions, LeadingNumbersRoundingAndInt)
{
    EXPECT_EQ(conv::Val("150%"), 150);
    EXPECT_EQ(conv::Val("newload"), 0);
    EXPECT_EQ(conv::Val("  -64"), -64);
    EXPECT_EQ(conv::Val("1920"), 1920);
    EXPECT_EQ(conv::Val("2.5e2x"), 250);
    EXPECT_EQ(conv::Val("3e"), 3);
    EXPECT_EQ(conv::Val("1d1"), 1);
    EXPECT_EQ(conv::Val("2D3"), 2);
    EXPECT_EQ(conv::Val(".5"), 0.5);
    EXPECT_EQ(conv::Val("-"), 0);
    EXPECT_EQ(conv::Val(""), 0);
    EXPECT_EQ(conv::Val("1 2"), 12);
    EXPECT_EQ(conv::Val("\n\t5"), 5);
    EXPECT_EQ(conv::Val("4.5"), 4.5);
    EXPECT_EQ(conv::Val("&H10"), 16);
    EXPECT_EQ(conv::Val("&o17"), 15);
    EXPECT_EQ(conv::Val("&HFFFF"), -1);
    EXPECT_EQ(conv::Val("&H10000"), 65536);
    EXPECT_EQ(conv::Val("&Hxyz"), 0);
    EXPECT_EQ(conv::Val("1e400"), HUGE_VAL); // too large: tellable from no number
    EXPECT_EQ(conv::Val("-1e400"), -HUGE_VAL);
    EXPECT_EQ(conv::Val("1E400"), HUGE_VAL);
    EXPECT_EQ(conv::Val("1e-400"), 0);
    EXPECT_EQ(conv::CInt(conv::Val("1e400")), 32767);

    EXPECT_EQ(conv::CInt(2.5), 2);
    EXPECT_EQ(conv::CInt(3.5), 4);
    EXPECT_EQ(conv::CInt(-2.5), -2);
    EXPECT_EQ(conv::CLng(0.5), 0);
    EXPECT_EQ(conv::CLng(1.5), 2);
    EXPECT_EQ(conv::CInt(1e9), 32767);
    EXPECT_EQ(conv::Int(-0.5), -1);
    EXPECT_EQ(conv::Int(-10.0 / 64), -1);
    EXPECT_EQ(conv::Int(63.9), 63);
    EXPECT_EQ(conv::Wrap16(32768), -32768);
    EXPECT_EQ(conv::Str(-64), "-64");
    EXPECT_EQ(conv::Str(0), "0");
}
