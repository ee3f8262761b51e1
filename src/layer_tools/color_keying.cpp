#include "layer_tools/color_keying.h"

#include <initializer_list>

#include <QGroupBox>

#include "core/conversions.h"
#include "core/keying.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "texture_set/layers.h"

ColorKeying::ColorKeying(QWidget* page, Layers& layers) : layers_(layers)
{
    // The mirrors start with the layers' pictures. Ckey2 lies under Ckey1,
    // Ckey3 over it: the creation order stacks them.
    Ckey2 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Ckey2"), 322, 49, 64, 64, style::kNavy);
    Ckey1 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Ckey1"), 294, 21, 64, 64, style::kNavy);
    Ckey3 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Ckey3"), 322, 49, 64, 64, style::kNavy);
    Ckey1->setPicture(layers.Image1->Image());
    Ckey2->setPicture(layers.Image2->Image());
    Ckey3->setPicture(layers.Image2->Image());
    Ckey3->hide();

    // The backdrop lies under everything on the page, the mirrors included.
    Shape10 = Shape(page, QStringLiteral("Shape10"), QRect(0, 0, 477, 596), style::kPageGrey, style::kPageGrey);
    Shape10->lower();

    // Labels 5 and 8 are wide enough for their whole text in the program's
    // font; the space beside them is empty.
    Label5 = new Label(page, QStringLiteral("Label5"), QRect(21, 21, 270, 15),
                       QStringLiteral("1.) Select which layer overlaps the other:"));
    Command12 = new CommandButton(page, QStringLiteral("Command12"), QRect(231, 119, 225, 29),
                                  QString::fromLatin1(kSwitchStart));
    Line2 = Line(page, QStringLiteral("Line2"), QPoint(14, 161), QPoint(455, 161), style::kMidGrey);

    Label6 = new Label(page, QStringLiteral("Label6"), QRect(21, 182, 197, 43),
                       QStringLiteral("2.) Select the color key, or the color to be removed, by clicking or "
                                      "dragging on the texture."));
    CKeyPicker = new PictureBuffer(page, PictureKind::Box, QStringLiteral("CKeyPicker"), 98, 224, 64, 64, style::kNavy);
    CKeyPicker->setCursor(Qt::CrossCursor);
    Label4 = new Label(page, QStringLiteral("Label4"), QRect(273, 203, 120, 99), QStringLiteral("Color Key"),
                       Qt::AlignCenter);
    SetKeyColour(kStartKey);

    Frame2 = new QGroupBox(QStringLiteral("Near - Color keying"), page);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(21, 294, 225, 85);
    Check3 = new CheckBox(Frame2, QStringLiteral("Check3"), QRect(14, 21, 85, 15), QStringLiteral("Enable"));
    Slider2 = new Slider(Frame2, QStringLiteral("Slider2"), QRect(7, 42, 211, 22), Qt::Horizontal, 0, 255, 1, 5);
    Slider2->setTickPosition(QSlider::TicksBelow);
    Slider2->setTickInterval(16);

    // Generate is run by code only; the button stays hidden.
    Command13 = new CommandButton(page, QStringLiteral("Command13"), QRect(273, 336, 92, 29),
                                  QStringLiteral("Generate"));
    Command13->hide();

    Line4 = Line(page, QStringLiteral("Line4"), QPoint(14, 385), QPoint(455, 385), style::kMidGrey);
    Label8 = new Label(page, QStringLiteral("Label8"), QRect(21, 399, 320, 43),
                       QStringLiteral("3.) Set the new texture to either layer A or B to add an additional layer "
                                      "or to add to the custom texture set."));
    Picture4 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture4"), 196, 448, 64, 64, style::kNavy);
    Command14 = new CommandButton(page, QStringLiteral("Command14"), QRect(98, 525, 120, 29),
                                  QStringLiteral("Set to layer A"));
    Command15 = new CommandButton(page, QStringLiteral("Command15"), QRect(238, 525, 120, 29),
                                  QStringLiteral("Set to layer B"));

    // The tab's texts use a small font so every caption fits its control.
    for (QWidget* w : std::initializer_list<QWidget*>{Label5, Command12, Label6, Label4, Frame2, Command13, Label8,
                                                      Command14, Command15})
        style::SetSmallFont(w);

    CKeyPicker->onMouseDown = [this](int b, int s, float x, float y) { CKeyPicker_MouseDown(b, s, x, y); };
    CKeyPicker->onMouseMove = [this](int b, int s, float x, float y) { CKeyPicker_MouseMove(b, s, x, y); };
    CKeyPicker->onMouseUp = [this](int b, int s, float x, float y) { CKeyPicker_MouseUp(b, s, x, y); };
    Ckey1->onChange = [this] { Ckey1_Change(); };
    Ckey3->onChange = [this] { Ckey3_Change(); };
    Command12->onClick = [this] { Command12_Click(); };
    Command13->onClick = [this] { Command13_Click(); };
    Command14->onClick = [this] { Command14_Click(); };
    Command15->onClick = [this] { Command15_Click(); };
    Slider2->onMouseUp = [this](int b, int s, float x, float y) { Slider2_MouseUp(b, s, x, y); };
}

bool ColorKeying::LayerBOnTop() const { return Ckey3->Visible(); }

Colour ColorKeying::KeyColour() const { return Label4->BackColor(); }

void ColorKeying::SetKeyColour(Colour c)
{
    Label4->setBackColor(c);
    Label4->setForeColor(style::CaptionColourOn(c));
}

void ColorKeying::Ckey1_Change()
{
    if (!LayerBOnTop())
        CKeyPicker->setPicture(Ckey1->Image());
}

void ColorKeying::Ckey3_Change()
{
    if (LayerBOnTop())
        CKeyPicker->setPicture(Ckey2->Image());
}

void ColorKeying::PickKey(float X, float Y)
{
    const Colour c = CKeyPicker->GetPixel(conv::CLng(X), conv::CLng(Y));
    if (c == -1)
        return; // outside the picture (a drag that left the picker): keep the key
    SetKeyColour(c);
}

void ColorKeying::CKeyPicker_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y) { PickKey(X, Y); }

void ColorKeying::CKeyPicker_MouseMove(int Button, int /*Shift*/, float X, float Y)
{
    if (Button == 1)
        PickKey(X, Y);
}

void ColorKeying::CKeyPicker_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) { Command13_Click(); }

void ColorKeying::Command12_Click()
{
    Ckey1->setPicture(layers_.Image1->Image());
    Ckey2->setPicture(layers_.Image2->Image());
    Ckey3->setPicture(layers_.Image2->Image());
    if (!LayerBOnTop()) {
        Command12->setCaption(QString::fromLatin1(kBTop));
        CKeyPicker->setPicture(Ckey3->Image());
        Ckey3->setVisibleFlag(true);
    } else {
        Command12->setCaption(QString::fromLatin1(kATop));
        CKeyPicker->setPicture(Ckey1->Image());
        Ckey3->setVisibleFlag(false);
    }
}

void ColorKeying::Command13_Click()
{
    const bool bOnTop = LayerBOnTop();
    const PictureBuffer* base = bOnTop ? Ckey1 : Ckey2;
    const PictureBuffer* top = bOnTop ? Ckey2 : Ckey1;
    Picture4->setPicture(base->Image());
    KeyOver(Picture4->imageForDrawing(), top->Image(), KeyColour(), Check3->Value() == 1, Slider2->Value());
    Picture4->markDrawn();
    Picture4->Refresh();
}

void ColorKeying::Command14_Click()
{
    layers_.Image1->setPicture(Picture4->Image());
    layers_.Image1->Refresh();
}

void ColorKeying::Command15_Click()
{
    layers_.Image2->setPicture(Picture4->Image());
    layers_.Image2->Refresh();
}

void ColorKeying::Slider2_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) { Command13_Click(); }
