#include "artwork/drawing.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace artwork {

QImage Canvas(int w, int h, const QColor& fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QImage Finish(QImage img)
{
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    return img;
}

bool CanDrawText()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QFont PictureFont(int pixelSize, bool bold, bool serif)
{
    QFont f;
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    return f;
}

QFont UiFont(int pixelSize, bool bold)
{
    QFont f = PictureFont(pixelSize, bold);
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans"),
        QStringLiteral("Liberation Sans")});
    return f;
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

QPainterPath SparklePath(QPointF centre, double radius, double waist)
{
    const double cx = centre.x(), cy = centre.y(), w = radius * waist;
    QPainterPath star;
    star.moveTo(cx, cy - radius);
    star.quadTo(cx + w, cy - w, cx + radius, cy);
    star.quadTo(cx + w, cy + w, cx, cy + radius);
    star.quadTo(cx - w, cy + w, cx - radius, cy);
    star.quadTo(cx - w, cy - w, cx, cy - radius);
    return star;
}

} // namespace artwork
