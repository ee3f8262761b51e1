#include "windows/read_me_window.h"

#include "platform/controls.h"
#include "platform/style.h"
#include "platform/text_area.h"
#include "windows/contact.h"

QString ReadMeText()
{
    return QStringLiteral(
               "Glimmerdeck\n"
               "By %1\n"
               "\n"
               "Glimmerdeck is a texture editing and sorting program for 64 x 64 textures kept in .tga format. "
               "Open a texture set with \"File : open\" (File > Load Texture Set) and its textures appear in the "
               "blue field on the left.\n"
               "\n"
               "The arrow buttons beside the layers move the texture bins up and down. The left bin also has left "
               "and right buttons, because some texture files are more than four textures wide and the columns "
               "beyond the fourth would otherwise stay out of sight.\n"
               "\n"
               "A left click on a texture of the left bin puts it into the box labelled \"A\", a right click puts "
               "it into the box labelled \"B\". Layer A on the left and layer B on the right are the centre of all "
               "work: every tool reads them and writes back to them.\n"
               "\n"
               "To build your own custom texture set, load a layer, then left or right click on the blue field on "
               "the right to transfer layer A or layer B to that spot.\n"
               "\n"
               "The five tabs:\n"
               "\n"
               "Pixel Editing - view layer A or B enlarged, edit it pixel by pixel, and set it back to A or B.\n"
               "\n"
               "Color Key - overlay one layer onto the other with one colour made transparent. Follow the "
               "instructions on the tab: choose which layer lies on top, click the colour to drop out, and set the "
               "result to a layer.\n"
               "\n"
               "RGB/Bright - sliders change the red, green and blue values and the brightness of a layer.\n"
               "\n"
               "Ghosting - a slider sets the alpha transparency between the two layers, so that one shows through "
               "the other.\n"
               "\n"
               "1/4 Tiles - reduce a layer to a quarter of its size and choose the corner and the layer that "
               "receive it.\n"
               "\n"
               "Because every result can be set back to a layer, the tools combine. For example: brighten a "
               "leaves texture, colour key it over a metal plate, ghost that over sand, reduce the result to a "
               "quarter tile in one corner and finish the details by pixel editing.\n"
               "\n"
               "Tiles can also be imported from and exported to bitmaps, so that you can work on them in a more "
               "powerful paint program, through the Import/Export menu (Texture > Import a tile to a layer and "
               "Texture > Export a tile to a bitmap).\n"
               "\n"
               "That's about it - happy texture editing!\n"
               "\n"
               "-%1\n"
               "March 2003\n"
               "(%2)\n")
        .arg(contact::kAuthor, contact::kAuthorEmail);
}

Form4::Form4(QWidget* parent)
    : SecondaryWindow(parent, QStringLiteral("Form4"), {kClientWidth, kClientHeight}, Frame::Tool)
{
    setWindowTitle(QStringLiteral("Read Me"));

    Text1 = new TextArea(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(0, 0, 582, 288);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    style::SetDialogFont(Text1, true);
    Text1->setPlainText(ReadMeText());

    Command1 = new CommandButton(this, QStringLiteral("Command1"), QRect(469, 287, 113, 22), QStringLiteral("OK"));
    Command1->onClick = [this] { Command1_Click(); };

    // Three rectangles joined side by side, the middle one narrower, and a
    // rule running on towards the button.
    const std::array<std::pair<QPoint, QPoint>, 11> segments{{
        {{8, 292}, {40, 292}},  {{8, 306}, {40, 306}},  {{8, 292}, {8, 306}},    {{40, 292}, {40, 306}},
        {{40, 295}, {72, 295}}, {{40, 303}, {72, 303}}, {{72, 292}, {72, 306}},  {{72, 292}, {104, 292}},
        {{72, 306}, {104, 306}}, {{104, 292}, {104, 306}}, {{104, 299}, {460, 299}},
    }};
    for (size_t i = 0; i < segments.size(); ++i)
        Lines[i] = Line(this, QStringLiteral("Line%1").arg(i + 1), segments[i].first, segments[i].second,
                        style::kNavy);
}

Form4* Form4::Open(QPointer<Form4>& window, QWidget* parent)
{
    return OpenOnce(window, [&] { return new Form4(parent); });
}

void Form4::Command1_Click() { close(); }
