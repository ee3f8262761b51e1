#include "layer_tools/ghosting.h"

#include "core/ghost_blend.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/slanted_line.h"
#include "texture_set/layers.h"

Ghosting::Ghosting(QWidget* page, Layers& layers) : layers_(layers)
{
    // The mirrors stay hidden and start empty (navy), out of step with the
    // layers until a layer is first replaced.
    Picture10 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture10"), 63, 63, 64, 64, style::kNavy);
    Picture10->hide();
    Picture9 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture9"), 63, 203, 64, 64, style::kNavy);
    Picture9->hide();

    // The backdrop takes the grey of the other tab pages.
    Shape12 = Shape(page, QStringLiteral("Shape12"), QRect(0, 0, 477, 596), style::kPageGrey, style::kPageGrey);
    Shape12->lower();
    Label13 = new Label(page, QStringLiteral("Label13"), QRect(21, 21, 197, 36),
                        QStringLiteral("Adjust the transparency level between the two textures with the slider bar:"));
    Picture11 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture11"), 63, 133, 64, 64, style::kNavy);
    Line11 = new SlantedLine(page, QStringLiteral("Line11"), QPoint(126, 133), QPoint(147, 126));
    Line12 = new SlantedLine(page, QStringLiteral("Line12"), QPoint(126, 196), QPoint(147, 203));
    Picture12 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture12"), 147, 98, 128, 128, style::kNavy);
    // The joining lines end on the corners of the two pictures: they lie
    // under them, so they never paint over a pixel of the blend.
    Line11->stackUnder(Picture11);
    Line12->stackUnder(Picture11);

    Slider1 = new Slider(page, QStringLiteral("Slider1"), QRect(322, 35, 42, 260), Qt::Vertical, 0, kWeightMax, 1, 5);
    Slider1->setValue(kWeightStart);
    Slider1->setToolTip(QStringLiteral("Up: more of layer A; down: more of layer B"));
    Command28 = new CommandButton(page, QStringLiteral("Command28"), QRect(357, 154, 50, 22), QStringLiteral("50/50"));

    Line9 = Line(page, QStringLiteral("Line9"), QPoint(455, 308), QPoint(14, 308));
    Label14 = new Label(page, QStringLiteral("Label14"), QRect(14, 322, 190, 29),
                        QStringLiteral("Set to either layer A or B:"));
    Command30 = new CommandButton(page, QStringLiteral("Command30"), QRect(63, 357, 85, 29), QStringLiteral("A"));
    Command30->setToolTip(QStringLiteral("Set layer A"));
    Command29 = new CommandButton(page, QStringLiteral("Command29"), QRect(161, 357, 85, 29), QStringLiteral("B"));
    Command29->setToolTip(QStringLiteral("Set layer B"));

    // The captions were laid out for a small dialog font: keep them whole.
    for (Label* l : {Label13, Label14})
        style::SetSmallFont(l);

    Picture9->onChange = [this] { Picture9_Change(); };
    Picture10->onChange = [this] { Picture10_Change(); };
    Slider1->onChange = [this] { Slider1_Change(); };
    Command28->onClick = [this] { Command28_Click(); };
    Command30->onClick = [this] { Command30_Click(); };
    Command29->onClick = [this] { Command29_Click(); };
}

Ghosting::~Ghosting()
{
    // The controls belong to the tab page and may outlive this unit by a
    // moment: nothing they raise may reach it any more.
    Picture9->onChange = nullptr;
    Picture10->onChange = nullptr;
    Slider1->onChange = nullptr;
    for (CommandButton* b : {Command28, Command30, Command29})
        b->onClick = nullptr;
}

void Ghosting::BlendGhostLayers()
{
    Picture11->DrawPixels(BlendGhostPixels(Picture9->Image(), Picture10->Image(), Slider1->Value()));
    Picture11->Refresh();
}

void Ghosting::DrawDoubleView()
{
    Picture12->DrawPixels(EnlargeTwice(Picture11->Image()));
    Picture12->Refresh();
}

void Ghosting::Picture9_Change() { BlendGhostLayers(); }
void Ghosting::Picture10_Change() { BlendGhostLayers(); }

void Ghosting::Slider1_Change()
{
    BlendGhostLayers();
    DrawDoubleView();
}

void Ghosting::Command28_Click() { Slider1->setValueFromCode(kWeightStart); }
void Ghosting::Command30_Click() { layers_.Image1->setPicture(Picture11->Image()); }
void Ghosting::Command29_Click() { layers_.Image2->setPicture(Picture11->Image()); }
