#pragma once
// A line between any two points of its parent, at any slope (the Line helper
// of controls.h draws only horizontal and vertical ones). It ignores the
// mouse, like the other decorations.
#include <QPoint>
#include <QWidget>

#include "core/colour.h"
#include "platform/style.h"

class SlantedLine : public QWidget {
public:
    SlantedLine(QWidget* parent, const QString& name, QPoint from, QPoint to, Colour colour = style::kMidGrey);
    QPoint From() const { return from_; }
    QPoint To() const { return to_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPoint from_;
    QPoint to_;
    Colour colour_;
};
