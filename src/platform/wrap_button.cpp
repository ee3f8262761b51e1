#include "platform/wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear(); // the frame and focus only; the caption is drawn wrapped below
    p.drawControl(QStyle::CE_PushButton, opt);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, this) / 2 + 1;
    QRect r = rect().adjusted(margin, margin, -margin, -margin);
    if (isDown())
        r.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opt, this),
                    style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opt, this));
    style()->drawItemText(&p, r, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                          QPalette::ButtonText);
}
