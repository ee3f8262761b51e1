#pragma once
// Colours are signed 32-bit integers laid out 0x00BBGGRR: red in the low
// byte, green next, blue in the third byte. -1 is what a pixel read outside a
// picture gives.
#include <cstdint>

#include <QRgb>

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

// The same colour as a QImage pixel of Format_RGB32 (opaque, red in the
// third byte), and back. Pictures are QImages; every pixel that code reads
// or writes as a Colour goes through these two.
constexpr QRgb ColourToQRgb(Colour c)
{
    const uint32_t u = static_cast<uint32_t>(c);
    return 0xFF000000u | ((u & 0xFFu) << 16) | (u & 0xFF00u) | ((u >> 16) & 0xFFu);
}
constexpr Colour ColourFromQRgb(QRgb p)
{
    return static_cast<Colour>(((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16));
}
