#include "windows/about_window.h"

#include "platform/single_window.h"

#include "artwork/windows_art.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/window_placement.h"
#include "windows/contact.h"

namespace {
constexpr Colour kBlack = 0x00000000;
constexpr Colour kGrey = 0x00808080;
} // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("About Glimmerdeck:"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kClientWidth, kClientHeight);
    SetBackColor(this, kBlack);

    Label1 = new Label(this, QStringLiteral("Label1"), QRect(14, 14, 253, 22),
                       QStringLiteral("Glimmerdeck is a product of "));
    QFont font = Label1->font();
    font.setPointSizeF(9.75);
    Label1->setFont(font);
    Label1->setForeColor(kGrey);

    Image2 = new PictureBuffer(this, QStringLiteral("Image2"), 7, 28, 406, 137, kBlack);
    Image2->setPicture(artwork::AboutPicture());
    // The picture is black where the label stands; the label stays on top.
    Label1->raise();

    Command1 = new CommandButton(this, QStringLiteral("Command1"), QRect(308, 168, 99, 36), QStringLiteral("OK"));
    Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: #808080; color: black; "
                                           "border: 1px solid #C0C0C0; }"
                                           "QPushButton:pressed { background-color: #606060; }"
                                           "QPushButton:focus { border: 1px dotted #E0E0E0; }"));
    Command1->onClick = [this] { Command1_Click(); };

    Label5 = new Label(this, QStringLiteral("Label5"), QRect(217, 343, 204, 29),
                       QStringLiteral("Visit Glimmerdeck home and download many other tools at ") +
                           contact::kHomePage);
    Label5->setForeColor(kGrey);

    CentreOnScreen(this);
}

Form3* Form3::Open(QPointer<Form3>& window, QWidget* parent) { return ShowSingleWindow(window, parent); }

void Form3::Command1_Click() { close(); }
