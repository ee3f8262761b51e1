#include "core/ghost_blend.h"

#include "core/conversions.h"
#include "core/picture_memory.h"

namespace {

// The weight divided by 255 once, shared by every channel of every pixel.
inline int MixChannel(int a, int b, double share)
{
    // The difference is a whole number, so it converts to double exactly;
    // multiply first, then add b.
    const double mixed = share * static_cast<double>(a - b) + static_cast<double>(b);
    const double r = conv::RoundHalfEven(mixed);
    return r < 0.0 ? 0 : (r > 255.0 ? 255 : static_cast<int>(r));
}

double Share(int weight) { return static_cast<double>(weight) / 255.0; }

} // namespace

int BlendChannel(int a, int b, int weight) { return MixChannel(a, b, Share(weight)); }

Colour BlendColour(Colour a, Colour b, int weight)
{
    const RgbParts pa = SplitColor(a), pb = SplitColor(b);
    const double share = Share(weight);
    return RGB(MixChannel(pa.red, pb.red, share), MixChannel(pa.green, pb.green, share),
               MixChannel(pa.blue, pb.blue, share));
}

QImage BlendGhostPixels(const QImage& layerA, const QImage& layerB, int weight)
{
    if (layerA.size() != layerB.size())
        return {};
    const QImage a = AsRgb32(layerA), b = AsRgb32(layerB);
    const double share = Share(weight);
    QImage out(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = ra[x], pb = rb[x];
            d[x] = qRgb(MixChannel(qRed(pa), qRed(pb), share), MixChannel(qGreen(pa), qGreen(pb), share),
                        MixChannel(qBlue(pa), qBlue(pb), share));
        }
    }
    return out;
}

QImage EnlargeTwice(const QImage& source)
{
    if (source.isNull())
        return {};
    const QImage in = AsRgb32(source);
    QImage out(in.width() * 2, in.height() * 2, QImage::Format_RGB32);
    for (int j = 0; j < in.height(); ++j) {
        const auto* s = reinterpret_cast<const QRgb*>(in.constScanLine(j));
        auto* top = reinterpret_cast<QRgb*>(out.scanLine(2 * j));
        auto* bottom = reinterpret_cast<QRgb*>(out.scanLine(2 * j + 1));
        for (int i = 0; i < in.width(); ++i) {
            top[2 * i] = top[2 * i + 1] = s[i];
            bottom[2 * i] = bottom[2 * i + 1] = s[i];
        }
    }
    return out;
}
