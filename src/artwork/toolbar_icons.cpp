#include "artwork/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <array>
#include <cmath>

#include "artwork/drawing.h"

// The toolbar's button pictures. Each painter draws into the 26 x 26 button;
// the content area is roughly 3..22 in both directions, inside the bevel.

namespace artwork {
namespace {

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
        p.fillRect(QRect(x, 6, 2, 2), kPageGrey);
        p.fillRect(QRect(x, 18, 2, 2), kPageGrey);
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

} // namespace

QImage ToolbarIcon(int index)
{
    QImage img = Canvas(26, 26, kPageGrey);
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

} // namespace artwork
