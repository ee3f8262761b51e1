#include "artwork/pixel_editor_art.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QPainter>
#include <QPainterPath>

#include "artwork/drawing.h"

namespace artwork {
namespace {

constexpr QRgb Opaque(unsigned rgb) { return 0xFF000000u | rgb; }
constexpr QRgb kBlack = Opaque(0x000000);
constexpr QRgb kYellow = Opaque(0xFFFF00);
constexpr QRgb kMidGrey = Opaque(0x808080);

int Clamp255(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

QRgb Rgb(double r, double g, double b) { return qRgb(Clamp255(r), Clamp255(g), Clamp255(b)); }

// ---------------------------------------------------------------------------
// Palette
// ---------------------------------------------------------------------------

constexpr std::array<unsigned, 48> kSwatches = {
    0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF, //
    0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF, //
    0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080, //
    0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF, //
    0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080, //
    0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x400040, 0xFFFFFF,
};
constexpr std::array<int, 8> kSwatchWidths = {6, 7, 6, 6, 7, 6, 7, 6};
constexpr std::array<int, 6> kSwatchHeights = {7, 7, 7, 8, 7, 7};

constexpr int kGreyColumn = 51;
constexpr int kHueColumn = 57;
constexpr int kHueLastColumn = 181;
constexpr int kFullRow = 39;
constexpr int kPaletteHeight = 78;

// The full-strength colour of a hue-field column. Each pure colour holds
// for two columns from its start, then one channel ramps to the next pure
// colour; the last ramp (magenta back towards red) stops short of red.
void HueAt(int col, double& r, double& g, double& b)
{
    static constexpr std::array<int, 6> kStarts = {57, 78, 99, 120, 141, 161};
    int k = 5;
    while (k > 0 && col < kStarts[static_cast<size_t>(k)])
        --k;
    const int rampFrom = kStarts[static_cast<size_t>(k)] + 1;
    double t = 0;
    if (k < 5) {
        const int rampTo = kStarts[static_cast<size_t>(k) + 1];
        t = std::clamp(double(col - rampFrom) / double(rampTo - rampFrom), 0.0, 1.0);
    }
    const double up = 255 * t, down = 255 * (1 - t);
    switch (k) {
    case 0: r = 255, g = up, b = 0; break;      // red to yellow
    case 1: r = down, g = 255, b = 0; break;    // yellow to green
    case 2: r = 0, g = 255, b = up; break;      // green to cyan
    case 3: r = 0, g = down, b = 255; break;    // cyan to blue
    case 4: r = up, g = 0, b = 255; break;      // blue to magenta
    default: {                                  // magenta towards red
        const double s = std::clamp(double(col - rampFrom) / double(kHueLastColumn - rampFrom), 0.0, 1.0);
        r = 255, g = 0, b = 255 - 230 * s;
        break;
    }
    }
}

// A full-strength channel value at a row: darker above row 39 (down to 3 for
// 255 on row 0), paler below it (up to 250 for 0 on row 77).
double ShadeAt(double v, int row)
{
    if (row < kFullRow)
        return v * (255.0 - (kFullRow - row) * 252.0 / kFullRow) / 255.0;
    const double t = double(row - kFullRow) / double(kPaletteHeight - 1 - kFullRow) * 250.0 / 255.0;
    return v + (255.0 - v) * t;
}

// ---------------------------------------------------------------------------
// Toolbox lettering: a 5 x 7 pixel alphabet of the letters needed.
// ---------------------------------------------------------------------------

using Glyph = std::array<const char*, 7>;
constexpr Glyph kLetterT = {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."};
constexpr Glyph kLetterO = {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
constexpr Glyph kLetterL = {"#....", "#....", "#....", "#....", "#....", "#....", "#####"};
constexpr Glyph kLetterS = {".####", "#....", "#....", ".###.", "....#", "....#", "####."};

void DrawLetter(QImage& img, const Glyph& g, int x0, int y0, int scale, QRgb ink)
{
    for (int gy = 0; gy < 7; ++gy)
        for (int gx = 0; gx < 5; ++gx)
            if (g[static_cast<size_t>(gy)][gx] == '#')
                for (int sy = 0; sy < scale; ++sy)
                    for (int sx = 0; sx < scale; ++sx)
                        img.setPixel(x0 + gx * scale + sx, y0 + gy * scale + sy, ink);
}

} // namespace

QImage ColourPalette()
{
    QImage img = Canvas(182, kPaletteHeight, kPageGrey);

    // Basic swatches.
    int top = 0;
    for (size_t row = 0; row < kSwatchHeights.size(); ++row) {
        int left = 0;
        for (size_t col = 0; col < kSwatchWidths.size(); ++col) {
            const QRgb c = Opaque(kSwatches[row * 8 + col]);
            for (int y = top; y < top + kSwatchHeights[row]; ++y)
                for (int x = left; x < left + kSwatchWidths[col]; ++x)
                    img.setPixel(x, y, c);
            left += kSwatchWidths[col];
        }
        top += kSwatchHeights[row];
    }
    // Magenta, black and white blocks under the swatches.
    for (int y = 43; y < kPaletteHeight; ++y) {
        for (int x = 0; x <= 24; ++x)
            img.setPixel(x, y, Opaque(0xFF00FF));
        for (int x = 25; x <= 50; ++x)
            img.setPixel(x, y, y <= 59 ? kBlack : Opaque(0xFFFFFF));
    }
    // Grey ramp, black at the top to F5F5F5 at the bottom.
    for (int y = 0; y < kPaletteHeight; ++y) {
        const int v = Clamp255(y * 245.0 / (kPaletteHeight - 1));
        for (int x = kGreyColumn; x < kHueColumn; ++x)
            img.setPixel(x, y, qRgb(v, v, v));
    }
    // Hue field.
    for (int x = kHueColumn; x <= kHueLastColumn; ++x) {
        double r = 0, g = 0, b = 0;
        HueAt(x, r, g, b);
        for (int y = 0; y < kPaletteHeight; ++y)
            img.setPixel(x, y, Rgb(ShadeAt(r, y), ShadeAt(g, y), ShadeAt(b, y)));
    }
    return img;
}

QImage SprayTip()
{
    static constexpr std::array<std::array<int, 10>, 10> kLevels = {{
        {0, 0, 13, 19, 22, 21, 17, 10, 0, 0},
        {0, 18, 32, 47, 55, 52, 40, 25, 13, 0},
        {17, 35, 63, 93, 109, 103, 79, 50, 24, 11},
        {26, 59, 103, 127, 127, 127, 103, 78, 40, 17},
        {33, 76, 127, 127, 127, 127, 127, 102, 52, 22},
        {35, 80, 127, 127, 127, 127, 127, 110, 55, 22},
        {31, 68, 103, 127, 127, 127, 127, 94, 47, 20},
        {20, 47, 83, 103, 127, 127, 103, 65, 32, 14},
        {0, 26, 46, 68, 79, 75, 57, 36, 18, 0},
        {0, 0, 22, 31, 36, 34, 25, 16, 0, 0},
    }};
    QImage img(10, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const int v = kLevels[static_cast<size_t>(y)][static_cast<size_t>(x)];
            img.setPixel(x, y, qRgb(v, v, v));
        }
    return img;
}

QImage HorizontalRuler()
{
    QImage img(450, 7, QImage::Format_RGB32);
    for (int x = 0; x < 450; ++x) {
        for (int y = 0; y < 7; ++y) {
            QRgb c = kPageGrey.rgb();
            if (x > 0) {
                const bool longTick = (x - 1) % 56 == 0;
                const bool mediumTick = x % 4 == 3;
                const bool shortTick = x % 2 == 1;
                if (y == 0 || y == 5)
                    c = kBlack;
                else if (y == 6)
                    c = longTick ? kBlack : kMidGrey;
                else if (longTick || (mediumTick && y <= 2) || (shortTick && y == 1))
                    c = kBlack;
                else
                    c = kYellow;
            }
            img.setPixel(x, y, c);
        }
    }
    return img;
}

QImage VerticalRuler()
{
    // The horizontal ruler turned upright, its ticks one row higher: row r
    // of this ruler is column r + 1 of the other (the last row takes its
    // grey first column).
    const QImage h = HorizontalRuler();
    QImage img(7, 450, QImage::Format_RGB32);
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 7; ++x)
            img.setPixel(x, y, h.pixel((y + 1) % 450, x));
    return img;
}

QImage ToolboxPicture()
{
    QImage img = Canvas(72, 46, kPageGrey);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        const QColor outline(0x50, 0x08, 0x08);
        // The open lid, tipped back behind the box.
        p.setPen(outline);
        p.setBrush(QColor(0x98, 0x14, 0x14));
        p.drawPolygon(QPolygon({QPoint(8, 19), QPoint(14, 4), QPoint(58, 4), QPoint(64, 19)}));
        p.setBrush(QColor(0x70, 0x10, 0x10));
        p.drawPolygon(QPolygon({QPoint(12, 19), QPoint(16, 8), QPoint(56, 8), QPoint(60, 19)}));
        // Tools sticking out of the tray: a screwdriver and a wrench.
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.setBrush(QColor(0xF0, 0xC8, 0x10));
        p.drawRect(18, 11, 4, 9);
        p.setPen(QColor(0x60, 0x60, 0x60));
        p.drawLine(20, 6, 20, 10);
        p.setBrush(QColor(0xB8, 0xB8, 0xC0));
        p.drawRect(46, 12, 3, 8);
        p.drawEllipse(QRect(44, 8, 7, 6));
        // The box itself, with a lighter rim along its top edge.
        p.setPen(outline);
        p.setBrush(QColor(0xD0, 0x20, 0x20));
        p.drawRect(5, 19, 61, 24);
        p.setPen(QColor(0xF0, 0x70, 0x70));
        p.drawLine(6, 20, 65, 20);
        p.setPen(QColor(0x90, 0x10, 0x10));
        p.drawLine(6, 42, 65, 42);
    }
    // TOOLS across the front.
    const QRgb ink = Opaque(0xFFF4C0);
    const Glyph* letters[] = {&kLetterT, &kLetterO, &kLetterO, &kLetterL, &kLetterS};
    int x = 9;
    for (const Glyph* g : letters) {
        DrawLetter(img, *g, x, 24, 2, ink);
        x += 11;
    }
    return img;
}

QImage PencilCursor()
{
    // The pencil lies along the diagonal from its tip at (5, 5) down to the
    // right. a runs along the pencil from the tip, b across it.
    constexpr int kSide = 32;
    enum Part { None, Lead, Wood, Body, Stripe, Ferrule, Rubber };
    std::array<std::array<Part, kSide>, kSide> part{};
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const double dx = x + 0.5 - kPencilHotX, dy = y + 0.5 - kPencilHotY;
            const double a = (dx + dy) / std::sqrt(2.0);
            const double b = std::abs(dx - dy) / std::sqrt(2.0);
            Part pt = None;
            if (a >= 0 && a <= 2.6 && b <= 0.5 + a * 0.45)
                pt = Lead;
            else if (a > 2.6 && a <= 7.5 && b <= a * 0.42)
                pt = Wood;
            else if (a > 7.5 && a <= 22 && b <= 3.2)
                pt = b < 1.0 ? Stripe : Body;
            else if (a > 22 && a <= 24.5 && b <= 3.2)
                pt = Ferrule;
            else if (a > 24.5 && a <= 28.5 && b <= 3.2)
                pt = Rubber;
            part[static_cast<size_t>(y)][static_cast<size_t>(x)] = pt;
        }
    QImage img(kSide, kSide, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kSide && y < kSide && part[static_cast<size_t>(y)][static_cast<size_t>(x)] != None;
    };
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            QRgb c = 0;
            switch (part[static_cast<size_t>(y)][static_cast<size_t>(x)]) {
            case Lead: c = Opaque(0x202020); break;
            case Wood: c = Opaque(0xE8C898); break;
            case Body: c = Opaque(0xF0C000); break;
            case Stripe: c = Opaque(0xFFE060); break;
            case Ferrule: c = Opaque(0xA8A8B0); break;
            case Rubber: c = Opaque(0xF08CA0); break;
            case None:
                // A dark outline keeps the pencil visible on any colour.
                if (inside(x - 1, y) || inside(x + 1, y) || inside(x, y - 1) || inside(x, y + 1))
                    c = Opaque(0x000000);
                break;
            }
            img.setPixel(x, y, c);
        }
    return img;
}

QImage ToolButtonGlyph(int index, int size)
{
    size = std::max(size, 1);
    QImage img = Canvas(size, size, kPageGrey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 16.0, size / 16.0);
    switch (index) {
    case 0: // Clear All: a blank page crossed out
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 2, 10, 12));
        p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 1.6));
        p.drawLine(QPointF(4, 3), QPointF(12, 13));
        p.drawLine(QPointF(12, 3), QPointF(4, 13));
        break;
    case 1: // Selection: a dashed frame
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(2.5, 3.5, 11, 9));
        break;
    case 2: { // Undo: an arrow curling back to the left
        p.setPen(QPen(QColor(0x10, 0x30, 0x90), 1.6));
        p.setBrush(Qt::NoBrush);
        QPainterPath path(QPointF(12, 12));
        path.cubicTo(QPointF(14, 5), QPointF(7, 3), QPointF(4, 7));
        p.drawPath(path);
        p.setBrush(QColor(0x10, 0x30, 0x90));
        p.drawPolygon(QPolygonF({QPointF(2, 9), QPointF(3, 4), QPointF(7, 7)}));
        break;
    }
    case 3: // Eraser: a pink block
        p.setPen(QColor(0x60, 0x30, 0x38));
        p.setBrush(QColor(0xF0, 0x8C, 0xA0));
        p.drawPolygon(QPolygonF({QPointF(2, 10), QPointF(8, 4), QPointF(14, 7), QPointF(8, 13)}));
        break;
    case 4: // Pencil: the cursor's pencil
        p.resetTransform();
        p.drawImage(QRect(0, 0, size, size), PencilCursor());
        break;
    case 5: // Rulers: a yellow band with ticks
        p.setPen(Qt::black);
        p.setBrush(QColor(0xFF, 0xFF, 0x00));
        p.drawRect(QRectF(1, 5, 14, 6));
        for (int x = 3; x < 15; x += 2)
            p.drawLine(QPointF(x, 5), QPointF(x, x % 4 == 3 ? 8 : 7));
        break;
    default:
        break;
    }
    p.end();
    return Finish(img);
}

} // namespace artwork
