#include "core/tint.h"

#include <array>
#include <cstdint>

#include "core/conversions.h"
#include "core/picture_memory.h"

int TintChannel(int channel, int percent)
{
    // Divide first, then multiply: the order decides some roundings (150 at
    // 7 % gives 10.500000000000002 and so 11 this way, exactly 10.5 and so 10
    // the other way round).
    const double factor = static_cast<double>(percent) / 100.0;
    return conv::CInt(factor * static_cast<double>(channel));
}

Colour TintColour(Colour colour, int redPercent, int greenPercent, int bluePercent)
{
    const RgbParts c = SplitColor(colour);
    return RGB(TintChannel(c.red, redPercent), TintChannel(c.green, greenPercent),
               TintChannel(c.blue, bluePercent));
}

namespace {

using ChannelTable = std::array<uint32_t, 256>;

// Every channel value 0..255 tinted once, clamped to 0..255 as composing a
// colour does, and shifted into its place in a QRgb.
ChannelTable TintTable(int percent, int shift)
{
    ChannelTable t{};
    for (int c = 0; c < 256; ++c) {
        const int v = TintChannel(c, percent);
        t[static_cast<size_t>(c)] = static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)) << shift;
    }
    return t;
}

} // namespace

QImage TintPixels(const QImage& source, int redPercent, int greenPercent, int bluePercent)
{
    if (source.isNull())
        return {};
    const QImage in = AsRgb32(source);
    // A channel's result depends on nothing but its value and its percentage,
    // so a table per channel gives the same pixels as the arithmetic per pixel.
    const ChannelTable red = TintTable(redPercent, 16);
    const ChannelTable green = TintTable(greenPercent, 8);
    const ChannelTable blue = TintTable(bluePercent, 0);
    QImage out(in.size(), QImage::Format_RGB32);
    for (int y = 0; y < in.height(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < in.width(); ++x) {
            const QRgb p = s[x];
            d[x] = 0xFF000000u | red[qRed(p)] | green[qGreen(p)] | blue[qBlue(p)];
        }
    }
    return out;
}
