#include "artwork/windows_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include "artwork/drawing.h"

namespace artwork {
namespace {

// A stable hash, so the textures look the same on every run.
std::uint32_t Hash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// Noise in [-1, 1].
double Noise(int x, int y, std::uint32_t seed) { return (Hash(x, y, seed) & 0xFFFF) / 32767.5 - 1.0; }

QColor Scale(const QColor& c, double f)
{
    auto ch = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

// One small texture tile of the splash spread, size x size pixels.
QImage SampleTile(int kind, int size)
{
    QImage t(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            QColor c;
            const double n = Noise(x, y, static_cast<std::uint32_t>(kind + 7));
            switch (kind % 6) {
            case 0: { // bricks
                const int row = y / 10;
                const int bx = (x + (row % 2) * 10) % 20;
                const bool mortar = (y % 10) == 0 || bx == 0;
                c = mortar ? QColor(170, 165, 150) : Scale(QColor(150, 62, 40), 1.0 + 0.12 * n);
                break;
            }
            case 1: { // water
                const double w = std::sin((x * 0.35) + std::sin(y * 0.22) * 2.0) * 0.5 + 0.5;
                c = Scale(QColor(40, 90 + static_cast<int>(60 * w), 170 + static_cast<int>(50 * w)), 1.0 + 0.05 * n);
                break;
            }
            case 2: // grass
                c = Scale(QColor(60, 130, 45), 1.0 + 0.3 * n);
                break;
            case 3: { // checker floor
                const bool dark = ((x / 8) + (y / 8)) % 2 == 0;
                c = Scale(dark ? QColor(90, 90, 100) : QColor(200, 200, 190), 1.0 + 0.06 * n);
                break;
            }
            case 4: { // wooden planks
                const double grain = std::sin(x * 0.9 + Noise(x / 6, y / 12, 3) * 2.0) * 0.5 + 0.5;
                c = (y % 12) == 0 ? QColor(60, 35, 20) : Scale(QColor(150, 100, 55), 0.8 + 0.3 * grain);
                break;
            }
            default: { // lava
                const double v = std::sin(x * 0.25 + y * 0.18) * std::sin(y * 0.3 - x * 0.1);
                c = v > 0.3 ? QColor(255, 200, 60) : Scale(QColor(170, 40, 10), 0.7 + 0.4 * (v + 1) / 2);
                break;
            }
            }
            t.setPixel(x, y, c.rgb());
        }
    }
    // A light top-left edge and a dark bottom-right one: the tile stands up.
    QPainter p(&t);
    p.setPen(QColor(255, 255, 255, 110));
    p.drawLine(0, 0, size - 1, 0);
    p.drawLine(0, 0, 0, size - 1);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawLine(0, size - 1, size - 1, size - 1);
    p.drawLine(size - 1, 0, size - 1, size - 1);
    return t;
}

// The outline of a text whose ink starts at x = origin.x() on the baseline
// y = origin.y(), shrunk if need be to at most maxWidth pixels.
QPainterPath Lettering(const QFont& font, const QString& text, QPointF origin, double maxWidth)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const double fit = std::min(1.0, maxWidth / box.width());
    QTransform place;
    place.translate(origin.x(), origin.y());
    place.scale(fit, fit);
    place.translate(-box.left(), 0);
    return place.map(path);
}

} // namespace

QImage SplashPicture()
{
    constexpr int W = 619, H = 305;
    QImage img = Canvas(W, H, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Night-blue ground, darkest at the top left where the maker's line sits.
    QLinearGradient ground(0, 0, W, H);
    ground.setColorAt(0.0, QColor(4, 6, 20));
    ground.setColorAt(0.55, QColor(12, 24, 78));
    ground.setColorAt(1.0, QColor(30, 54, 128));
    p.fillRect(0, 0, W, H, ground);

    // A spread of tiles on the right, in a loose grid running off the edge,
    // each with a shadow.
    constexpr int kTile = 52;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const int x = 404 + col * (kTile + 6) + (row % 2) * 10;
            const int y = 34 + row * (kTile + 6);
            p.fillRect(x + 4, y + 4, kTile, kTile, QColor(0, 0, 0, 120));
            p.drawImage(x, y, SampleTile(row * 4 + col, kTile));
        }
    }

    // A glow behind the title, fading out well inside the picture.
    QRadialGradient glow(200, 140, 190);
    glow.setColorAt(0.0, QColor(120, 160, 255, 80));
    glow.setColorAt(1.0, QColor(120, 160, 255, 0));
    p.fillRect(0, 0, W, H, glow);

    // Sparkles: the program's name in pictures.
    const std::array<std::array<double, 3>, 9> stars{{{52, 86, 9},
                                                      {318, 96, 6},
                                                      {96, 206, 5},
                                                      {280, 214, 8},
                                                      {350, 40, 5},
                                                      {30, 250, 4},
                                                      {210, 60, 4},
                                                      {590, 270, 6},
                                                      {160, 250, 3}}};
    for (const auto& s : stars)
        p.fillPath(SparklePath(QPointF(s[0], s[1]), s[2], 0), QColor(235, 240, 255, 220));

    if (CanDrawText()) {
        // The title, fitted between the left edge and the tiles.
        const QPainterPath text = Lettering(PictureFont(54, true, true), QStringLiteral("Glimmerdeck"), {30, 160}, 350);
        p.fillPath(text.translated(3, 3), QColor(0, 0, 0, 160));
        QLinearGradient gold(0, 110, 0, 165);
        gold.setColorAt(0.0, QColor(255, 244, 200));
        gold.setColorAt(0.5, QColor(240, 196, 90));
        gold.setColorAt(1.0, QColor(180, 120, 40));
        p.fillPath(text, gold);
        p.setPen(QPen(QColor(90, 60, 20), 1));
        p.drawPath(text);

        p.setPen(QColor(200, 210, 240));
        p.setFont(PictureFont(16, false));
        p.drawText(QRect(34, 172, 330, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Texture tile editor for 64 x 64 tiles"));
        p.setPen(QColor(150, 160, 200));
        p.setFont(PictureFont(12, true));
        p.drawText(QRect(34, 270, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Version 1.8"));
    }

    // The fixed dialog border.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(0, 0, W - 1, H - 1);
    p.end();
    return Finish(img);
}

QImage AboutPicture()
{
    constexpr int W = 406, H = 137;
    QImage img = Canvas(W, H, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // The emblem: a gate of stone, an arch over bars, at the left.
    const QRectF arch(22, 36, 72, 84);
    QPainterPath gate;
    gate.moveTo(arch.left(), arch.bottom());
    gate.lineTo(arch.left(), arch.top() + 36);
    gate.arcTo(QRectF(arch.left(), arch.top(), arch.width(), 72), 180, -180);
    gate.lineTo(arch.right(), arch.bottom());
    p.setPen(QPen(QColor(150, 150, 150), 6));
    p.drawPath(gate);
    p.setPen(QPen(QColor(90, 90, 90), 3));
    for (int i = 1; i < 5; ++i) {
        const double x = arch.left() + arch.width() * i / 5.0;
        const double dx = x - arch.center().x();
        const double top = arch.top() + 36 - std::sqrt(std::max(0.0, 36.0 * 36.0 - dx * dx)) + 4;
        p.drawLine(QPointF(x, top), QPointF(x, arch.bottom()));
    }
    p.setPen(QPen(QColor(190, 160, 80), 2));
    p.drawLine(QPointF(arch.left() - 8, arch.bottom() + 2), QPointF(arch.right() + 8, arch.bottom() + 2));

    if (CanDrawText()) {
        QFont letters = PictureFont(40, true, true);
        letters.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        // The lettering, fitted between the emblem and the right edge.
        const QPainterPath word = Lettering(letters, QStringLiteral("MARROWGATE"), {114, 90}, 276);
        QLinearGradient steel(0, 55, 0, 92);
        steel.setColorAt(0.0, QColor(235, 235, 235));
        steel.setColorAt(1.0, QColor(120, 120, 130));
        p.fillPath(word, steel);

        p.setPen(QColor(128, 128, 128));
        p.setFont(PictureFont(12, false));
        p.drawText(QRect(114, 98, 280, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("tools for texture artists"));
    }
    p.setPen(QPen(QColor(190, 160, 80), 1));
    p.drawLine(QPointF(114, 96), QPointF(392, 96));
    p.end();
    return Finish(img);
}

QImage TipIcon()
{
    QImage img = Canvas(32, 32, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Rays.
    p.setPen(QPen(QColor(240, 190, 40), 1.5));
    for (int i = 0; i < 5; ++i) {
        const double a = (200 + i * 35) * M_PI / 180.0;
        p.drawLine(QPointF(16 + 11 * std::cos(a), 12 + 11 * std::sin(a)),
                   QPointF(16 + 15 * std::cos(a), 12 + 15 * std::sin(a)));
    }
    // The glass.
    QRadialGradient glass(14, 10, 10);
    glass.setColorAt(0.0, QColor(255, 255, 220));
    glass.setColorAt(1.0, QColor(250, 210, 60));
    p.setBrush(glass);
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.drawEllipse(QPointF(16, 13), 8, 8);
    // The screw base.
    p.setBrush(QColor(160, 160, 170));
    p.setPen(QPen(QColor(80, 80, 90), 1));
    p.drawRect(QRectF(12.5, 20.5, 7, 6));
    p.drawLine(QPointF(12.5, 22.5), QPointF(19.5, 22.5));
    p.drawLine(QPointF(12.5, 24.5), QPointF(19.5, 24.5));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(14.5, 26.5, 3, 2));
    p.end();
    return Finish(img);
}

QImage TileWindowIcon()
{
    QImage img = Canvas(32, 32, kPageGrey);
    QPainter p(&img);
    // A small checker tile.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            p.fillRect(8 + x * 4, 8 + y * 4, 4, 4, (x + y) % 2 ? kNavy : QColor(120, 170, 255));
    p.setPen(Qt::black);
    p.drawRect(7, 7, 17, 17);
    // Arrows: one into the tile, one out of it.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 128, 0), 2));
    p.drawLine(QPointF(1, 4), QPointF(9, 12));
    p.setBrush(QColor(0, 128, 0));
    p.drawPolygon(QPolygonF({QPointF(11, 14), QPointF(5, 12), QPointF(9, 8)}));
    p.setPen(QPen(QColor(160, 0, 0), 2));
    p.drawLine(QPointF(22, 20), QPointF(30, 28));
    p.setBrush(QColor(160, 0, 0));
    p.drawPolygon(QPolygonF({QPointF(31, 31), QPointF(25, 29), QPointF(29, 25)}));
    p.end();
    return Finish(img);
}

} // namespace artwork
