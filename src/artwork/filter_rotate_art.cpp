#include "artwork/filter_rotate_art.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace artwork {

QImage RotateArrowIcon(bool clockwise)
{
    constexpr int kSide = 32;
    QImage img(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);

        // A thick arc around the centre, from the lower left over the top,
        // ending on the upper right where the head takes over.
        const QPointF centre(15.5, 17.5);
        const double radius = 9.5;
        const double startDeg = 215.0, endDeg = 40.0; // angles counter-clockwise from 3 o'clock
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        QPainterPath arc;
        arc.arcMoveTo(box, startDeg);
        arc.arcTo(box, startDeg, endDeg - startDeg);

        const QColor outline(0x10, 0x18, 0x40);
        const QColor body(0x2A, 0x5C, 0xC8);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outline, 7.5, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arc);
        p.setPen(QPen(body, 5.0, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arc);

        // The head: a triangle at the arc's end, pointing along the turn.
        const double a = qDegreesToRadians(endDeg);
        const QPointF end(centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a));
        const QPointF along(std::sin(a), std::cos(a));   // clockwise tangent on screen
        const QPointF across(std::cos(a), -std::sin(a)); // outward from the centre
        const QPolygonF head{end + along * 8.0, end + across * 7.0 - along * 1.0, end - across * 7.0 - along * 1.0};
        p.setPen(QPen(outline, 1.2));
        p.setBrush(body);
        p.drawPolygon(head);
    }
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    return clockwise ? out : out.mirrored(true, false);
}

} // namespace artwork
