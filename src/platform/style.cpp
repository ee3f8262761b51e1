#include "platform/style.h"

#include <QColor>
#include <QFont>
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

} // namespace

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
