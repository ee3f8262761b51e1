#include "platform/style.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <QWidget>

namespace style {
namespace {

void SetPixelSize(QWidget* w, int pixels, bool bold)
{
    QFont f = w->font();
    f.setPixelSize(pixels);
    // Only a bold font is set: setting "not bold" would stop the widget
    // following its parent's weight.
    if (bold)
        f.setBold(true);
    w->setFont(f);
}

// The platform's style, but a focused command button wears the dotted focus
// frame, once: in place of the faint tint of styles that draw no frame on a
// push button, and in place of the frame of styles that draw their own. A
// style sheet's button asks the application's style for its frame.
class ProgramStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element != CE_PushButton) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        drawingButton_ = true;
        QProxyStyle::drawControl(element, option, painter, widget);
        drawingButton_ = false;
        if (option->state & State_HasFocus)
            drawButtonFocus(subElementRect(SE_PushButtonFocusRect, option, widget), option, painter);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameFocusRect || !qobject_cast<const QPushButton*>(widget)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Asked for by the style's own drawing of the button: drawControl
        // draws it afterwards. Asked for by a style sheet's button, whose rect
        // lies just inside its border: the frame keeps clear of the border,
        // as on the style's own buttons.
        if (!drawingButton_)
            drawButtonFocus(option->rect.adjusted(2, 2, -2, -2), option, painter);
    }

private:
    mutable bool drawingButton_ = false;

    static void drawButtonFocus(const QRect& r, const QStyleOption* option, QPainter* painter)
    {
        DrawFocusFrame(*painter, r, option->palette.color(QPalette::ButtonText));
    }
};

} // namespace

void DrawFocusFrame(QPainter& p, const QRect& r, const QColor& colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

void Install()
{
    if (qApp && !dynamic_cast<ProgramStyle*>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle);
}

Colour CaptionColourOn(Colour background)
{
    const RgbParts p = SplitColor(background);
    return (299 * p.red + 587 * p.green + 114 * p.blue) >= 128000 ? kBlack : kWhite;
}

QString Css(Colour c) { return QColor::fromRgb(ColourToQRgb(c)).name(); }

void SetSmallFont(QWidget* w, bool bold) { SetPixelSize(w, kSmallTextPixels, bold); }

void SetCompactFont(QWidget* w) { SetPixelSize(w, kCompactTextPixels, false); }

void SetBoldFont(QWidget* w)
{
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

void SetDialogFont(QWidget* w, bool bold)
{
    QFont f = w->font();
    if (bold)
        f.setBold(true);
    f.setPointSizeF(9.75);
    w->setFont(f);
}

} // namespace style
