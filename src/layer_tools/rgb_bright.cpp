#include "layer_tools/rgb_bright.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "artwork/artwork.h"
#include "core/conversions.h"
#include "core/tint.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "texture_set/layers.h"

namespace {

Colour FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

QString Percent(int value) { return QString::number(value) + QLatin1Char('%'); }

} // namespace

RgbBright::RgbBright(QWidget* page, Layers& layers) : layers_(layers)
{
    // The backdrop takes the grey of the other tab pages, so the pages look
    // alike when the user switches between them.
    const Colour face = style::kPageGrey;
    const Colour window = FromQColor(QApplication::palette().color(QPalette::Base));

    Shape11 = Shape(page, QStringLiteral("Shape11"), QRect(0, 0, 477, 596), face, face);
    Shape11->lower();
    Label9 = new Label(page, QStringLiteral("Label9"), QRect(35, 28, 190, 15),
                       QStringLiteral("Select which layer you wish to edit:"));
    Command16 = new CommandButton(page, QStringLiteral("Command16"), QRect(35, 56, 85, 29), QStringLiteral("A"));
    Command16->setToolTip(QStringLiteral("Load layer A"));
    Command17 = new CommandButton(page, QStringLiteral("Command17"), QRect(119, 56, 85, 29), QStringLiteral("B"));
    Command17->setToolTip(QStringLiteral("Load layer B"));
    Picture5 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture5"), 315, 56, 64, 64, style::kNavy);
    Line6 = Line(page, QStringLiteral("Line6"), QPoint(14, 140), QPoint(455, 140));
    Label10 = new Label(page, QStringLiteral("Label10"), QRect(35, 161, 169, 57),
                        QStringLiteral("The red, green, and blue tinting of the tile can be adjusted with the RGB "
                                       "slider bars, or the brightness bar:"));

    // Colour marks above the sliders: dark over light for brightness, then
    // red, green and blue.
    Shape6 = Shape(page, QStringLiteral("Shape6"), QRect(259, 175, 29, 15), window, window);
    Shape7 = Shape(page, QStringLiteral("Shape7"), QRect(259, 161, 29, 15), style::kBlack, style::kBlack);
    Shape1 = Shape(page, QStringLiteral("Shape1"), QRect(315, 161, 29, 29), 0x000000FF, 0x000000FF);
    Shape2 = Shape(page, QStringLiteral("Shape2"), QRect(357, 161, 29, 29), 0x0000FF00, 0x0000FF00);
    Shape3 = Shape(page, QStringLiteral("Shape3"), QRect(399, 161, 29, 29), 0x00FF0000, 0x00FF0000);

    auto percentSlider = [page](const char* name, int left) {
        auto* s = new Slider(page, QString::fromLatin1(name), QRect(left, 196, 38, 183), Qt::Vertical, 0,
                             kPercentMax, 1, 5);
        s->setValue(kPercentStart);
        return s;
    };
    tint = percentSlider("tint", 252);
    tint->setToolTip(QStringLiteral("Brightness"));
    R = percentSlider("R", 308);
    G = percentSlider("G", 350);
    B = percentSlider("B", 392);

    Picture6 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture6"), 84, 252, 64, 64, style::kNavy);
    Command27 = new CommandButton(page, QStringLiteral("Command27"), QRect(217, 280, 36, 22));
    Command27->setIcon(QIcon(QPixmap::fromImage(artwork::ArrowGlyph(artwork::Arrow::Right))));
    Command27->setIconSize(QSize(23, 22));
    Command27->setToolTip(QStringLiteral("Reset to 100%"));

    Text5 = new TextBox(page, QStringLiteral("Text5"), QRect(308, 378, 43, 19));
    Text6 = new TextBox(page, QStringLiteral("Text6"), QRect(350, 378, 43, 19));
    Text7 = new TextBox(page, QStringLiteral("Text7"), QRect(392, 378, 43, 19));
    for (TextBox* t : {Text5, Text6, Text7})
        t->setTextMargins(0, 0, 0, 0);

    Line7 = Line(page, QStringLiteral("Line7"), QPoint(455, 413), QPoint(14, 413));
    Label12 = new Label(page, QStringLiteral("Label12"), QRect(35, 427, 162, 43),
                        QStringLiteral("Set the tinted texture to layer A or Layer B:"));
    Command26 = new CommandButton(page, QStringLiteral("Command26"), QRect(35, 462, 85, 29), QStringLiteral("A"));
    Command26->setToolTip(QStringLiteral("Set layer A"));
    Command25 = new CommandButton(page, QStringLiteral("Command25"), QRect(133, 462, 85, 29), QStringLiteral("B"));
    Command25->setToolTip(QStringLiteral("Set layer B"));

    R->onChange = [this] { R_Change(); };
    G->onChange = [this] { G_Change(); };
    B->onChange = [this] { B_Change(); };
    tint->onChange = [this] { tint_Change(); };
    Command16->onClick = [this] { Command16_Click(); };
    Command17->onClick = [this] { Command17_Click(); };
    // The captions were laid out for a small dialog font: keep them whole.
    for (Label* l : {Label9, Label10, Label12})
        style::SetSmallFont(l);
    // One line, as wide as it needs: nothing stands to its right before Picture5.
    Label9->setWordWrap(false);
    Label9->resize(std::max(Label9->width(), Label9->sizeHint().width()), Label9->height());

    Command26->onClick = [this] { Command26_Click(); };
    Command25->onClick = [this] { Command25_Click(); };
    Command27->onClick = [this] { Command27_Click(); };
    Text5->onLostFocus = [this] { Text5_LostFocus(); };
    Text6->onLostFocus = [this] { Text6_LostFocus(); };
    Text7->onLostFocus = [this] { Text7_LostFocus(); };
}

RgbBright::~RgbBright()
{
    // The controls belong to the tab page and may outlive this unit by a
    // moment: nothing they raise may reach it any more.
    for (Slider* s : {tint, R, G, B})
        s->onChange = nullptr;
    for (TextBox* t : {Text5, Text6, Text7})
        t->onLostFocus = nullptr;
    for (CommandButton* b : {Command16, Command17, Command26, Command25, Command27})
        b->onClick = nullptr;
}

void RgbBright::ApplyRgbTint()
{
    // Start again from the untinted source, then draw the tint over it.
    Picture6->setPicture(Picture5->Image());
    Picture6->DrawPixels(TintPixels(Picture6->Image(), R->Value(), G->Value(), B->Value()));
    Text5->setTextValue(Percent(R->Value()));
    Text6->setTextValue(Percent(G->Value()));
    Text7->setTextValue(Percent(B->Value()));
}

void RgbBright::R_Change() { ApplyRgbTint(); }
void RgbBright::G_Change() { ApplyRgbTint(); }
void RgbBright::B_Change() { ApplyRgbTint(); }

void RgbBright::tint_Change()
{
    const int v = tint->Value();
    R->setValueFromCode(v);
    G->setValueFromCode(v);
    B->setValueFromCode(v);
}

void RgbBright::resetPercentages()
{
    tint->setValueFromCode(kPercentStart);
    R->setValueFromCode(kPercentStart);
    G->setValueFromCode(kPercentStart);
    B->setValueFromCode(kPercentStart);
}

void RgbBright::loadLayer(const PictureBuffer* layer)
{
    Picture5->setPicture(layer->Image());
    Picture6->setPicture(layer->Image());
    resetPercentages();
}

void RgbBright::Command16_Click() { loadLayer(layers_.Image1); }
void RgbBright::Command17_Click() { loadLayer(layers_.Image2); }
void RgbBright::Command26_Click() { layers_.Image1->setPicture(Picture6->Image()); }
void RgbBright::Command25_Click() { layers_.Image2->setPicture(Picture6->Image()); }
void RgbBright::Command27_Click() { resetPercentages(); }

void RgbBright::applyTypedPercent(TextBox* box, Slider* slider)
{
    // The leading number of the text, rounded half to even; a value the
    // slider cannot take is ignored and the box keeps what was typed.
    const double typed = conv::RoundHalfEven(conv::Val(box->Text()));
    if (!std::isfinite(typed) || typed < slider->Min() || typed > slider->Max())
        return;
    slider->setValueFromCode(static_cast<int>(typed));
}

void RgbBright::Text5_LostFocus() { applyTypedPercent(Text5, R); }
void RgbBright::Text6_LostFocus() { applyTypedPercent(Text6, G); }
void RgbBright::Text7_LostFocus() { applyTypedPercent(Text7, B); }
