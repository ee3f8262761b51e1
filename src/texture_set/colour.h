#pragma once
// Colours are signed 32-bit integers laid out 0x00BBGGRR: red in the low
// byte, green next, blue in the third byte. -1 is what a pixel read outside a
// picture gives.
#include <cstdint>

using Colour = int32_t;

struct RgbParts {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};

// Takes a Colour apart by signed division (truncating toward zero) and a mask
// of 255: every colour 0..0x00FFFFFF gives its three bytes, and -1 gives
// red 255, green 0, blue 0.
constexpr RgbParts SplitColor(Colour colour)
{
    return RgbParts{colour & 255, (colour / 256) & 255, (colour / 65536) & 255};
}

// Composes a Colour from whole-number components; a component above 255
// counts as 255 and one below 0 counts as 0.
constexpr Colour RGB(int32_t red, int32_t green, int32_t blue)
{
    auto clamp = [](int32_t c) { return c < 0 ? 0 : (c > 255 ? 255 : c); };
    return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

// The same for components that are not whole numbers: each is first rounded
// half to even.
Colour RGB(double red, double green, double blue);
