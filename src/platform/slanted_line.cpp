#include "platform/slanted_line.h"

#include <QPainter>

#include "platform/controls.h"

SlantedLine::SlantedLine(QWidget* parent, const QString& name, QPoint from, QPoint to, Colour colour)
    : QWidget(parent), from_(from), to_(to), colour_(colour)
{
    setObjectName(name);
    // The widget covers the box spanned by the two ends, both included.
    setGeometry(LineBounds(from, to));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SlantedLine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(ToQColor(colour_), 1));
    p.drawLine(from_ - pos(), to_ - pos());
}
