#include "artwork/artwork.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

#include "artwork/drawing.h"

// The toolbar's bar: a horizontal rounded bar built from two ends and a
// stretched strip, all sharing one vertical gradient; and the marker under
// the button the mouse is over.

namespace artwork {
namespace {

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

} // namespace

QImage ToolbarBarEnd(bool left)
{
    // A half disc of radius 13 whose flat side joins the strip.
    constexpr double kRadius = 13.0;
    QImage img = Canvas(13, kBarHeight, kPageGrey);
    const double cx = left ? 13.0 : 0.0, cy = kBarHeight / 2.0;
    for (int y = 0; y < kBarHeight; ++y)
        for (int x = 0; x < 13; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            const QColor face = Mix(BarShade(y), kBarBorder, d - (kRadius - 1.5));
            img.setPixel(x, y, Mix(kPageGrey, face, kRadius + 0.5 - d).rgb());
        }
    return Finish(img);
}

QImage ToolbarBarStrip()
{
    QImage img = Canvas(3, kBarHeight, kPageGrey);
    for (int y = 0; y < kBarHeight; ++y)
        for (int x = 0; x < 3; ++x)
            img.setPixel(x, y, BarShade(y).rgb());
    return Finish(img);
}

QImage ToolbarMarker()
{
    QImage img = Canvas(22, 9, kPageGrey);
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

} // namespace artwork
