#include "artwork/artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace artwork {
namespace {

// ---------------------------------------------------------------------------
// Shared helpers
// ---------------------------------------------------------------------------

const QColor kPanelGrey(0xC0, 0xC0, 0xC0);
const QColor kButtonGrey(0xE0, 0xE0, 0xE0);
const QColor kNavy(0x00, 0x00, 0x80);

QImage Canvas(int w, int h, const QColor& fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

// QPainter leaves the alpha byte of RGB32 alone in practice, but blending
// modes are free to touch it; force it so every picture is truly opaque.
QImage Finish(QImage img)
{
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    return img;
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

// Positive amounts move the colour towards white, negative towards black.
QColor Shade(const QColor& c, double amount)
{
    return amount >= 0 ? Mix(c, Qt::white, amount) : Mix(c, Qt::black, -amount);
}

// A 1-pixel edge around r: top and left in one colour, bottom and right in
// the other. Light-over-dark reads as raised, dark-over-light as sunken.
void Bevel(QImage& img, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    const QRgb tl = topLeft.rgb();
    const QRgb br = bottomRight.rgb();
    for (int x = r.left(); x <= r.right(); ++x) {
        img.setPixel(x, r.top(), x == r.right() ? br : tl);
        img.setPixel(x, r.bottom(), br);
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        img.setPixel(r.left(), y, y == r.bottom() ? br : tl);
        img.setPixel(r.right(), y, br);
    }
}

// Stable integer hash, so the "random" textures look the same on every run
// and every platform.
std::uint32_t Hash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= static_cast<std::uint32_t>(y) * 0x27D4EB2Fu;
    h = (h ^ (h >> 15)) * 0x165667B1u;
    return h ^ (h >> 16);
}

double Hash01(int x, int y, std::uint32_t seed)
{
    return (Hash(x, y, seed) & 0xFFFFFF) / double(0xFFFFFF);
}

// Smoothly interpolated value noise on a lattice of the given cell size.
double ValueNoise(double x, double y, double cell, std::uint32_t seed)
{
    const double fx = x / cell, fy = y / cell;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(fx - ix), ty = smooth(fy - iy);
    const double a = Hash01(ix, iy, seed), b = Hash01(ix + 1, iy, seed);
    const double c = Hash01(ix, iy + 1, seed), d = Hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// A filled box with a dark outline and a lighter top-left inner edge: the
// basic "solid object" of the small icons.
void Box(QPainter& p, const QRect& r, const QColor& fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, fill);
    p.setPen(fill.darker(260));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Shade(fill, 0.45));
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    p.restore();
}

// An arrow from tail to tip: a shaft of the given width ending in a
// triangular head, filled and outlined.
void DrawArrow(QPainter& p, QPointF tail, QPointF tip, double shaft, double headWidth, double headLength,
    const QColor& fill, const QColor& outline)
{
    const QPointF d = tip - tail;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0)
        return;
    const QPointF u = d / len;      // along the arrow
    const QPointF n(-u.y(), u.x()); // across it
    const QPointF neck = tip - u * headLength;
    QPolygonF poly;
    poly << tail + n * (shaft / 2) << neck + n * (shaft / 2) << neck + n * (headWidth / 2) << tip
         << neck - n * (headWidth / 2) << neck - n * (shaft / 2) << tail - n * (shaft / 2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(outline, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPolygon(poly);
    p.restore();
}

// A tiny picture (sky, sun, hill) standing for an image file.
void DrawMiniPicture(QPainter& p, const QRect& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(r);
    p.fillRect(r, QColor(0x90, 0xD0, 0xFF));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD8, 0x30));
    p.drawEllipse(QPointF(r.right() - 3.0, r.top() + 3.5), 2.0, 2.0);
    p.setBrush(QColor(0x30, 0xA0, 0x30));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.35, r.bottom() + r.height() * 0.55), r.width() * 0.6,
        r.height() * 0.75);
    p.setBrush(QColor(0x20, 0x80, 0x20));
    p.drawEllipse(QPointF(r.right() + 1.0, r.bottom() + 2.0), r.width() * 0.45, r.height() * 0.5);
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

// Fonts need a QGuiApplication; without one, pictures are drawn without text.
bool CanDrawText()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QFont UiFont(int pixelSize, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans"),
        QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// Text with a 1-pixel drop shadow, so it reads on busy backgrounds.
void ShadowedText(
    QPainter& p, const QRect& r, int flags, const QString& text, const QColor& colour, const QColor& shadow)
{
    p.setPen(shadow);
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

// ---------------------------------------------------------------------------
// Toolbar icons. Each painter draws into the 26 x 26 button; the content
// area is roughly 3..22 in both directions, inside the bevel.
// ---------------------------------------------------------------------------

const QColor kInk(0x20, 0x20, 0x20);

void IconPixelEdit(QPainter& p)
{
    // Magnified pixels being drawn on...
    const std::array<QColor, 4> cells = {QColor(0xE0, 0x30, 0x30), QColor(0x30, 0xB0, 0x40),
        QColor(0x30, 0x60, 0xE0), QColor(0xFF, 0xFF, 0xFF)};
    for (int i = 0; i < 4; ++i)
        Box(p, QRect(3 + (i % 2) * 5, 13 + (i / 2) * 5, 5, 5), cells[i]);
    // ...by a pencil lying diagonally, tip towards the pixels.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(11.5, 14.5);
    p.rotate(-45);
    p.setPen(QPen(kInk, 0.9));
    QPolygonF tip;
    tip << QPointF(0, 0) << QPointF(3.5, -2.6) << QPointF(3.5, 2.6);
    p.setBrush(QColor(0xF0, 0xD0, 0xA0));
    p.drawPolygon(tip);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(1.5, -0.95) << QPointF(1.5, 0.95));
    p.setBrush(QColor(0xF8, 0xC0, 0x20));
    p.drawRect(QRectF(3.5, -2.6, 6.0, 5.2));
    p.setPen(QPen(QColor(0xC8, 0x90, 0x10), 0.8));
    p.drawLine(QPointF(4.0, 0), QPointF(9.0, 0));
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(QColor(0xB0, 0xB0, 0xB8));
    p.drawRect(QRectF(9.5, -2.6, 1.5, 5.2));
    p.setBrush(QColor(0xF0, 0x80, 0x90));
    p.drawRoundedRect(QRectF(11.0, -2.6, 2.5, 5.2), 1.0, 1.0);
    p.restore();
}

void IconColorKey(QPainter& p)
{
    // An eye dropper holding a drop of colour.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0x20, 0xC0));
    QPainterPath drop;
    drop.moveTo(5.5, 17.0);
    drop.cubicTo(5.5, 17.0, 3.0, 19.8, 3.0, 21.0);
    drop.arcTo(QRectF(3.0, 19.2, 5.0, 3.6), 180, 180);
    drop.cubicTo(8.0, 19.8, 5.5, 17.0, 5.5, 17.0);
    p.setPen(QPen(QColor(0x60, 0x00, 0x50), 0.8));
    p.drawPath(drop);

    p.translate(7.5, 15.5);
    p.rotate(-45);
    p.setPen(QPen(kInk, 0.9));
    // Glass tube, partly filled.
    p.setBrush(QColor(0xE8, 0xF4, 0xFF));
    QPolygonF tube;
    tube << QPointF(0, -0.9) << QPointF(2.5, -1.8) << QPointF(9.0, -1.8) << QPointF(9.0, 1.8)
         << QPointF(2.5, 1.8) << QPointF(0, 0.9);
    p.drawPolygon(tube);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0x20, 0xC0));
    p.drawPolygon(QPolygonF() << QPointF(0.4, -0.7) << QPointF(2.5, -1.3) << QPointF(5.5, -1.3)
                              << QPointF(5.5, 1.3) << QPointF(2.5, 1.3) << QPointF(0.4, 0.7));
    // Collar and rubber bulb.
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(QColor(0x90, 0x90, 0x98));
    p.drawRect(QRectF(9.0, -3.0, 1.8, 6.0));
    p.setBrush(QColor(0x30, 0x30, 0x38));
    p.drawRoundedRect(QRectF(10.8, -3.2, 4.4, 6.4), 2.2, 2.2);
    p.setPen(QPen(QColor(0x80, 0x80, 0x90), 0.9));
    p.drawLine(QPointF(12.0, -1.6), QPointF(14.0, -1.6));
    p.restore();
}

void IconRgbEdit(QPainter& p)
{
    Box(p, QRect(4, 8, 6, 14), QColor(0xE8, 0x20, 0x20));
    Box(p, QRect(10, 12, 6, 10), QColor(0x20, 0xC0, 0x30));
    Box(p, QRect(16, 4, 6, 18), QColor(0x20, 0x50, 0xF0));
}

void IconAlphaGhosting(QPainter& p)
{
    Box(p, QRect(4, 4, 12, 12), QColor(0xE0, 0x30, 0x30));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(10, 10, 12, 12), QColor(0x20, 0x60, 0xFF, 0x90));
    p.setPen(QPen(QColor(0x10, 0x20, 0x80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(10, 10, 11, 11));
    p.restore();
}

void IconQuarterTiles(QPainter& p)
{
    Box(p, QRect(4, 4, 9, 9), QColor(0x30, 0x70, 0xE0));
    Box(p, QRect(13, 4, 9, 9), QColor(0xF8, 0xF8, 0xF8));
    Box(p, QRect(4, 13, 9, 9), QColor(0xF8, 0xF8, 0xF8));
    Box(p, QRect(13, 13, 9, 9), QColor(0xF8, 0xF8, 0xF8));
}

void IconRotateFilter(QPainter& p)
{
    // Three quarters of a circle, clockwise, with an arrow head at its end.
    const QPointF centre(13.0, 13.5);
    const double radius = 6.5;
    const double start = 60, span = -270;
    QPainterPath arc;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, span);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 4.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(QColor(0x20, 0xA0, 0x40), 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.restore();
    const double end = qDegreesToRadians(start + span);
    const QPointF endPoint(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const QPointF tangent(std::sin(end), std::cos(end)); // clockwise direction of travel
    DrawArrow(
        p, endPoint - tangent * 1.0, endPoint + tangent * 5.5, 0.0, 9.0, 6.5, QColor(0x20, 0xA0, 0x40), kInk);
}

void IconAnimation(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(2, 5, 22, 16), QColor(0x28, 0x28, 0x28));
    for (int x = 3; x < 23; x += 4) {
        p.fillRect(QRect(x, 6, 2, 2), kPanelGrey);
        p.fillRect(QRect(x, 18, 2, 2), kPanelGrey);
    }
    for (int i = 0; i < 2; ++i)
        DrawMiniPicture(p, QRect(4 + i * 9, 9, 9, 8));
    p.restore();
}

// Two bins side by side, each a column of tiles, with an arrow between them.
void DrawBinsWithArrow(QPainter& p, bool towardsLeft)
{
    const std::array<QColor, 3> left
        = {QColor(0xE0, 0x60, 0x40), QColor(0x60, 0xC0, 0x50), QColor(0x50, 0x80, 0xE0)};
    const std::array<QColor, 3> right
        = {QColor(0xF0, 0xD0, 0x40), QColor(0xC0, 0x60, 0xD0), QColor(0x50, 0xC0, 0xC0)};
    for (int i = 0; i < 3; ++i) {
        Box(p, QRect(3, 4 + i * 6, 5, 6), left[i]);
        Box(p, QRect(18, 4 + i * 6, 5, 6), right[i]);
    }
    const QPointF a(17.5, 13.0), b(8.5, 13.0);
    DrawArrow(p, towardsLeft ? a : b, towardsLeft ? b : a, 4.0, 10.0, 5.0, QColor(0x30, 0x70, 0xF0), kInk);
}

void IconRightToLeft(QPainter& p)
{
    DrawBinsWithArrow(p, true);
}
void IconLeftToRight(QPainter& p)
{
    DrawBinsWithArrow(p, false);
}

void IconImport(QPainter& p)
{
    DrawMiniPicture(p, QRect(4, 11, 18, 12));
    DrawArrow(p, QPointF(13.0, 3.5), QPointF(13.0, 18.0), 4.0, 10.0, 6.0, QColor(0x30, 0xC0, 0x40), kInk);
}

void IconExport(QPainter& p)
{
    DrawMiniPicture(p, QRect(4, 11, 18, 12));
    DrawArrow(p, QPointF(13.0, 18.0), QPointF(13.0, 3.5), 4.0, 10.0, 6.0, QColor(0xF0, 0x70, 0x20), kInk);
}

void IconLoad(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0x60, 0x40, 0x00), 1.0));
    p.setBrush(QColor(0xD8, 0xA8, 0x30));
    QPolygonF back;
    back << QPointF(3.5, 6.5) << QPointF(9.5, 6.5) << QPointF(11.5, 8.5) << QPointF(20.5, 8.5)
         << QPointF(20.5, 20.5) << QPointF(3.5, 20.5);
    p.drawPolygon(back);
    p.setBrush(QColor(0xFF, 0xE0, 0x70));
    QPolygonF front;
    front << QPointF(6.5, 11.5) << QPointF(23.5, 11.5) << QPointF(20.5, 20.5) << QPointF(3.5, 20.5);
    p.drawPolygon(front);
    p.setPen(QPen(QColor(0xFF, 0xF8, 0xD0), 1.0));
    p.drawLine(QPointF(7.5, 12.5), QPointF(22.0, 12.5));
    p.restore();
}

void IconSave(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor body(0x28, 0x48, 0xB0);
    QPolygon disk;
    disk << QPoint(4, 4) << QPoint(19, 4) << QPoint(21, 6) << QPoint(21, 21) << QPoint(4, 21);
    p.setPen(kInk);
    p.setBrush(body);
    p.drawPolygon(disk);
    p.setPen(Shade(body, 0.35));
    p.drawLine(5, 5, 5, 20);
    // Metal shutter with its slot.
    p.fillRect(QRect(8, 5, 10, 6), QColor(0xD0, 0xD0, 0xD8));
    p.fillRect(QRect(14, 6, 2, 4), QColor(0x30, 0x30, 0x40));
    // Paper label.
    p.fillRect(QRect(7, 13, 12, 8), QColor(0xFF, 0xFF, 0xF8));
    p.setPen(QColor(0x80, 0x90, 0xC0));
    p.drawLine(8, 15, 17, 15);
    p.drawLine(8, 17, 17, 17);
    p.drawLine(8, 19, 15, 19);
    p.restore();
}

void IconHelp(QPainter& p)
{
    QPainterPath mark;
    mark.moveTo(8.8, 9.5);
    mark.cubicTo(8.8, 6.4, 11.0, 4.8, 13.2, 4.8);
    mark.cubicTo(15.6, 4.8, 17.6, 6.4, 17.6, 8.8);
    mark.cubicTo(17.6, 11.2, 15.6, 12.0, 14.2, 13.0);
    mark.cubicTo(13.2, 13.8, 13.2, 14.6, 13.2, 16.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    for (int pass = 0; pass < 2; ++pass) {
        // First an offset copy as a drop shadow, then the mark.
        const QPointF off = pass == 0 ? QPointF(1, 1) : QPointF(0, 0);
        const QColor c = pass == 0 ? QColor(0x80, 0x80, 0x80) : QColor(0x10, 0x30, 0xC0);
        p.setPen(QPen(c, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(mark.translated(off));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(13.2, 20.0) + off, 1.9, 1.9);
        p.setBrush(Qt::NoBrush);
    }
    p.restore();
}

using IconPainter = void (*)(QPainter&);
constexpr std::array<IconPainter, 14> kIconPainters = {IconPixelEdit, IconColorKey, IconRgbEdit,
    IconAlphaGhosting, IconQuarterTiles, IconRotateFilter, IconAnimation, IconRightToLeft, IconLeftToRight,
    IconImport, IconExport, IconLoad, IconSave, IconHelp};

// ---------------------------------------------------------------------------
// Toolbar bar: a horizontal rounded bar built from two ends and a stretched
// strip, all sharing one vertical gradient.
// ---------------------------------------------------------------------------

constexpr int kBarHeight = 26;
const QColor kBarBorder(0x68, 0x68, 0x68);

QColor BarShade(int y)
{
    if (y <= 0 || y >= kBarHeight - 1)
        return kBarBorder;
    if (y == 1)
        return QColor(0xFA, 0xFA, 0xFA);
    if (y == kBarHeight - 2)
        return QColor(0x8C, 0x8C, 0x8C);
    const double t = (y - 2) / double(kBarHeight - 5);
    return Mix(QColor(0xEC, 0xEC, 0xEC), QColor(0xA4, 0xA4, 0xA4), t);
}

// ---------------------------------------------------------------------------
// Selector frames: a 9-pixel ring around a 64 x 64 black centre.
// ---------------------------------------------------------------------------

constexpr int kFrameSize = 82;
constexpr int kFrameWidth = 9;

enum class Side { Top, Left, Bottom, Right };

struct RingPos {
    Side side;
    int depth; // 0 at the outer edge, kFrameWidth - 1 next to the centre
};

// Which edge of the ring a pixel belongs to (corners split on the diagonal,
// like a mitred picture frame) and how far in it lies.
RingPos RingPosition(int x, int y)
{
    const int top = y, left = x, bottom = kFrameSize - 1 - y, right = kFrameSize - 1 - x;
    const int m = std::min({top, left, bottom, right});
    if (m == top && top <= right)
        return {Side::Top, m};
    if (m == left && left <= bottom)
        return {Side::Left, m};
    if (m == bottom)
        return {Side::Bottom, m};
    return {Side::Right, m};
}

bool InRing(int x, int y)
{
    return x < kFrameWidth || y < kFrameWidth || x >= kFrameSize - kFrameWidth
        || y >= kFrameSize - kFrameWidth;
}

// Light falls from the top left: top and left faces bright, bottom and right
// dark, fading towards the inner edge. The outermost and innermost pixels are
// a dark outline. Returns a Shade() amount.
double BevelLight(const RingPos& pos, double strength)
{
    if (pos.depth == 0 || pos.depth == kFrameWidth - 1)
        return -0.55;
    double side = 0;
    switch (pos.side) {
    case Side::Top:
        side = 0.55;
        break;
    case Side::Left:
        side = 0.3;
        break;
    case Side::Right:
        side = -0.3;
        break;
    case Side::Bottom:
        side = -0.5;
        break;
    }
    const double fade = 1.0 - 0.09 * (pos.depth - 1);
    return side * fade * strength;
}

using RingTexture = QColor (*)(int x, int y);

QImage FrameFromTexture(RingTexture texture, double bevelStrength)
{
    QImage img = Canvas(kFrameSize, kFrameSize, Qt::black);
    for (int y = 0; y < kFrameSize; ++y)
        for (int x = 0; x < kFrameSize; ++x)
            if (InRing(x, y))
                img.setPixel(x, y, Shade(texture(x, y), BevelLight(RingPosition(x, y), bevelStrength)).rgb());
    return img;
}

// Cobblestones: Voronoi cells around jittered seed points, dark mortar where
// two cells meet, each stone lit from the top left.
QColor StoneTexture(int x, int y)
{
    constexpr int kCell = 7;
    const double px = x + 0.5, py = y + 0.5;
    const int cx = x / kCell, cy = y / kCell;
    double best = 1e9, second = 1e9;
    int bestX = 0, bestY = 0;
    QPointF bestSeed;
    for (int j = cy - 1; j <= cy + 1; ++j)
        for (int i = cx - 1; i <= cx + 1; ++i) {
            const QPointF seed(
                (i + 0.2 + 0.6 * Hash01(i, j, 11)) * kCell, (j + 0.2 + 0.6 * Hash01(i, j, 12)) * kCell);
            const double d = std::hypot(px - seed.x(), py - seed.y());
            if (d < best) {
                second = best;
                best = d;
                bestX = i;
                bestY = j;
                bestSeed = seed;
            } else if (d < second) {
                second = d;
            }
        }
    if (second - best < 1.1)
        return QColor(0x3A, 0x28, 0x18);
    const QColor base = Shade(QColor(0x94, 0x64, 0x38), (Hash01(bestX, bestY, 13) - 0.5) * 0.45);
    const double lit = ((bestSeed.x() - px) + (bestSeed.y() - py)) / (kCell * 1.2);
    const double grain = (Hash01(x, y, 14) - 0.5) * 0.12;
    return Shade(base, std::clamp(lit * 0.35 + grain, -0.5, 0.5));
}

// Granite: soft mottling with black, white and rosy specks.
QColor GraniteTexture(int x, int y)
{
    const double mottle = ValueNoise(x, y, 6.0, 21) * 0.6 + ValueNoise(x, y, 2.5, 22) * 0.4;
    QColor c = Mix(QColor(0x70, 0x70, 0x74), QColor(0xB4, 0xB4, 0xB8), mottle);
    // Crystals come in small clumps, not single pixels: threshold fine noise.
    if (ValueNoise(x, y, 1.7, 23) > 0.8)
        return Mix(c, QColor(0x14, 0x14, 0x18), 0.85);
    if (ValueNoise(x, y, 2.1, 24) > 0.82)
        return Mix(c, QColor(0xF0, 0xF0, 0xF0), 0.8);
    if (ValueNoise(x, y, 2.6, 25) > 0.85)
        return Mix(c, QColor(0xC8, 0x98, 0x98), 0.7);
    return Shade(c, (Hash01(x, y, 26) - 0.5) * 0.12);
}

// Hazard tape: diagonal yellow and black bands.
QColor StripeTexture(int x, int y)
{
    return ((x + y) / 6) % 2 == 0 ? QColor(0xF8, 0xD0, 0x10) : QColor(0x20, 0x20, 0x20);
}

// Per-hue plain textures for the bevelled frames. Function pointers need
// distinct functions, hence the small template.
template <int R, int G, int B> QColor Plain(int, int)
{
    return QColor(R, G, B);
}

// ---------------------------------------------------------------------------
// The program's logo: a small fanned stack of tiles with a sparkle.
// ---------------------------------------------------------------------------

void DrawTileGrid(QPainter& p, const QRectF& r, int cells, const QColor& fill, const QColor& lines)
{
    p.setPen(QPen(lines, 1.0));
    p.setBrush(fill);
    p.drawRect(r);
    for (int i = 1; i < cells; ++i) {
        const double fx = r.left() + r.width() * i / cells, fy = r.top() + r.height() * i / cells;
        p.drawLine(QPointF(fx, r.top()), QPointF(fx, r.bottom()));
        p.drawLine(QPointF(r.left(), fy), QPointF(r.right(), fy));
    }
}

void DrawSparkle(QPainter& p, QPointF c, double radius, const QColor& colour)
{
    QPainterPath star;
    const double w = radius * 0.22;
    star.moveTo(c.x(), c.y() - radius);
    star.quadTo(c.x() + w, c.y() - w, c.x() + radius, c.y());
    star.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + radius);
    star.quadTo(c.x() - w, c.y() + w, c.x() - radius, c.y());
    star.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - radius);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

} // namespace

// ---------------------------------------------------------------------------
// Toolbar
// ---------------------------------------------------------------------------

QImage ToolbarIcon(int index)
{
    QImage img = Canvas(26, 26, kPanelGrey);
    if (index < 0 || index >= static_cast<int>(kIconPainters.size()))
        return Finish(img);
    Bevel(img, img.rect(), Qt::white, QColor(0x80, 0x80, 0x80));
    Bevel(img, img.rect().adjusted(1, 1, -1, -1), QColor(0xDC, 0xDC, 0xDC), QColor(0xA4, 0xA4, 0xA4));
    {
        QPainter p(&img);
        kIconPainters[index](p);
    }
    return Finish(img);
}

QImage ToolbarBarEnd(bool left)
{
    // A half disc of radius 13 whose flat side joins the strip.
    constexpr double kRadius = 13.0;
    QImage img = Canvas(13, kBarHeight, kPanelGrey);
    const double cx = left ? 13.0 : 0.0, cy = kBarHeight / 2.0;
    for (int y = 0; y < kBarHeight; ++y)
        for (int x = 0; x < 13; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            const QColor face = Mix(BarShade(y), kBarBorder, d - (kRadius - 1.5));
            img.setPixel(x, y, Mix(kPanelGrey, face, kRadius + 0.5 - d).rgb());
        }
    return Finish(img);
}

QImage ToolbarBarStrip()
{
    QImage img = Canvas(3, kBarHeight, kPanelGrey);
    for (int y = 0; y < kBarHeight; ++y)
        for (int x = 0; x < 3; ++x)
            img.setPixel(x, y, BarShade(y).rgb());
    return Finish(img);
}

QImage ToolbarMarker()
{
    QImage img = Canvas(22, 9, kPanelGrey);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        QPolygonF tri;
        tri << QPointF(5.0, 1.5) << QPointF(17.0, 1.5) << QPointF(11.0, 7.2);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(tri.translated(0.7, 0.6));
        p.setPen(QPen(QColor(0x00, 0x00, 0x40), 0.8));
        p.setBrush(QColor(0x10, 0x20, 0x90));
        p.drawPolygon(tri);
    }
    return Finish(img);
}

// ---------------------------------------------------------------------------
// Bins
// ---------------------------------------------------------------------------

QImage StartBanner()
{
    QImage img = Canvas(256, 60, kNavy);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Dim logo behind the text: three fanned tiles and a sparkle.
    const QColor fill(0x10, 0x10, 0x98), lines(0x24, 0x24, 0xB0);
    const QPointF centre(128, 30);
    for (int angle : {-14, 14, 0}) {
        p.save();
        p.translate(centre + QPointF(angle * 1.6, 0));
        p.rotate(angle);
        DrawTileGrid(p, QRectF(-21, -21, 42, 42), 4, fill, lines);
        p.restore();
    }
    DrawSparkle(p, centre + QPointF(30, -16), 11, QColor(0x30, 0x30, 0xC0));
    if (CanDrawText()) {
        p.setFont(UiFont(15, true));
        ShadowedText(p, img.rect(), Qt::AlignCenter, QStringLiteral("No texture set loaded"), Qt::white,
            QColor(0x00, 0x00, 0x30));
    }
    p.end();
    return Finish(img);
}

QImage SelectorFrame(int index)
{
    switch (index) {
    case 1:
        return Finish(FrameFromTexture(Plain<0x20, 0xA8, 0x30>, 1.0));
    case 2:
        return Finish(FrameFromTexture(Plain<0x28, 0x58, 0xD8>, 1.0));
    case 3:
        return Finish(FrameFromTexture(Plain<0xC0, 0x30, 0xC0>, 1.0));
    case 4:
        return Finish(FrameFromTexture(Plain<0xE0, 0xC0, 0x10>, 1.0));
    case 5:
        return Finish(FrameFromTexture(StoneTexture, 0.5));
    case 6:
        return Finish(FrameFromTexture(GraniteTexture, 0.6));
    case 7:
        return Finish(FrameFromTexture(StripeTexture, 0.35));
    default:
        return Finish(FrameFromTexture(Plain<0xC8, 0x24, 0x24>, 1.0));
    }
}

QImage SelectorMask()
{
    QImage img = Canvas(kFrameSize, kFrameSize, Qt::black);
    img.fill(Qt::black);
    for (int y = kFrameWidth; y < kFrameSize - kFrameWidth; ++y)
        for (int x = kFrameWidth; x < kFrameSize - kFrameWidth; ++x)
            img.setPixel(x, y, 0xFFFFFFFFu);
    return Finish(img);
}

QImage ArrowGlyph(Arrow dir)
{
    QImage img = Canvas(23, 22, kButtonGrey);
    QPainter p(&img);
    int angle = 0;
    switch (dir) {
    case Arrow::Right:
        angle = 0;
        break;
    case Arrow::Down:
        angle = 90;
        break;
    case Arrow::Left:
        angle = 180;
        break;
    case Arrow::Up:
        angle = 270;
        break;
    }
    // Drawn pointing right around the centre, then turned. A white copy one
    // pixel down and right (in screen terms) gives an engraved look.
    for (const QPointF offset : {QPointF(1, 1), QPointF(0, 0)}) {
        p.resetTransform();
        p.translate(QPointF(11.5, 11.0) + offset);
        p.rotate(angle);
        const bool highlight = offset != QPointF(0, 0);
        DrawArrow(p, QPointF(-7.5, 0.0), QPointF(7.5, 0.0), 5.0, 14.0, 7.5,
            highlight ? Qt::white : QColor(0x20, 0x20, 0x30),
            highlight ? Qt::white : QColor(0x10, 0x10, 0x18));
    }
    p.end();
    return Finish(img);
}

QImage LayerLetterTile(char letter)
{
    QImage img = Canvas(64, 64, kNavy);
    if (letter == '\0' || !CanDrawText())
        return Finish(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath glyph;
    glyph.addText(0, 0, UiFont(52, true), QString(QChar::fromLatin1(letter)));
    // Centre the ink, not the font box, so every letter sits in the middle.
    const QRectF ink = glyph.boundingRect();
    glyph.translate(QPointF(32, 32) - ink.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x00, 0x38));
    p.drawPath(glyph.translated(2, 2));
    p.setPen(QPen(QColor(0xD8, 0xEC, 0xFF), 1.0));
    p.setBrush(QColor(0x80, 0xC0, 0xFF));
    p.drawPath(glyph);
    p.end();
    return Finish(img);
}

QImage SaveProgressBackground()
{
    QImage img = Canvas(318, 67, kPanelGrey);
    // Raised window border, two pixels deep.
    Bevel(img, img.rect(), QColor(0xDF, 0xDF, 0xDF), Qt::black);
    Bevel(img, img.rect().adjusted(1, 1, -1, -1), Qt::white, QColor(0x80, 0x80, 0x80));
    // Sunken well around where the progress bar goes (7,28 size 302x29).
    Bevel(img, QRect(6, 27, 304, 31), QColor(0x80, 0x80, 0x80), Qt::white);

    QPainter p(&img);
    const QRect title(3, 3, 312, 18);
    QLinearGradient grad(title.topLeft(), title.topRight());
    grad.setColorAt(0, kNavy);
    grad.setColorAt(1, QColor(0x10, 0x84, 0xD0));
    p.fillRect(title, grad);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRect(5, 4, 16, 16), AppIcon());
    if (CanDrawText()) {
        p.setFont(UiFont(12, true));
        p.setPen(Qt::white);
        p.drawText(title.adjusted(22, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Saving: Standby..."));
    }
    p.end();
    return Finish(img);
}

QImage AppIcon()
{
    // Four 14 x 14 tiles in a black grid, drawn pixel by pixel in the classic
    // 16-colour palette, with a sparkle where the grid lines cross.
    enum : QRgb {
        Maroon = 0xFF800000,
        Green = 0xFF008000,
        Olive = 0xFF808000,
        Teal = 0xFF008080,
        Grey = 0xFF808080,
        Silver = 0xFFC0C0C0,
        Red = 0xFFFF0000,
        Lime = 0xFF00FF00,
        Yellow = 0xFFFFFF00,
        Blue = 0xFF0000FF,
        Cyan = 0xFF00FFFF,
        White = 0xFFFFFFFF
    };
    QImage img = Canvas(32, 32, Qt::black);
    auto tile = [&](int ox, int oy, auto colourAt) {
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 14; ++x)
                img.setPixel(ox + x, oy + y, colourAt(x, y));
    };
    // Bricks.
    tile(1, 1, [](int x, int y) -> QRgb {
        if (y % 4 == 3)
            return Silver;
        const int shift = (y / 4) % 2 == 0 ? 0 : 3;
        if ((x + shift) % 7 == 6)
            return Silver;
        return (y % 4 == 0) ? Red : Maroon;
    });
    // Water.
    tile(17, 1, [](int x, int y) -> QRgb {
        const int wave = (x + (y / 3) * 2) % 6;
        if (y % 3 == 0 && wave < 2)
            return Cyan;
        return (y % 3 == 1 && wave == 3) ? Teal : Blue;
    });
    // Grass.
    tile(1, 17, [](int x, int y) -> QRgb {
        if ((x * 5 + y * 3) % 7 == 0)
            return Lime;
        return ((x + y * 2) % 9 == 0) ? Olive : Green;
    });
    // Stone slabs.
    tile(17, 17, [](int x, int y) -> QRgb {
        if (x == 0 || y == 0)
            return White;
        if (x == 13 || y == 13 || x == 6 || y == 6)
            return Grey;
        if (x == 7 || y == 7)
            return White;
        return Silver;
    });
    // Sparkle over the middle crossing: a white core with four yellow rays
    // running along the grid lines.
    for (int y = 9; y <= 22; ++y)
        for (int x = 9; x <= 22; ++x) {
            const double dx = std::abs(x - 15.5), dy = std::abs(y - 15.5);
            if (dx <= 1.5 && dy <= 1.5 && dx + dy < 3)
                img.setPixel(x, y, White);
            else if (std::min(dx, dy) <= 0.5 && dx + dy <= 6.5)
                img.setPixel(x, y, dx + dy <= 2.5 ? White : Yellow);
        }
    return Finish(img);
}

} // namespace artwork
