#include "windows/about_window.h"

#include "artwork/windows_art.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "windows/contact.h"

Form3::Form3(QWidget* parent)
    : SecondaryWindow(parent, QStringLiteral("Form3"), {kClientWidth, kClientHeight}, Frame::Tool)
{
    setWindowTitle(QStringLiteral("About Glimmerdeck:"));
    SetBackColor(this, style::kBlack);

    Label1 = new Label(this, QStringLiteral("Label1"), QRect(14, 14, 253, 22),
                       QStringLiteral("Glimmerdeck is a product of "));
    style::SetDialogFont(Label1);
    Label1->setForeColor(style::kMidGrey);

    Image2 = new PictureBuffer(this, PictureKind::Image, QStringLiteral("Image2"), 7, 28, 406, 137, style::kBlack);
    Image2->setPicture(artwork::AboutPicture());
    // The picture is black where the label stands; the label stays on top.
    Label1->raise();

    Command1 = new CommandButton(this, QStringLiteral("Command1"), QRect(308, 168, 99, 36), QStringLiteral("OK"));
    Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black; "
                                           "border: 1px solid %2; }"
                                           "QPushButton:pressed { background-color: %3; }")
                                .arg(style::Css(style::kMidGrey), style::Css(style::kPageGrey),
                                     style::Css(style::kDimGrey)));
    Command1->onClick = [this] { Command1_Click(); };

    Label5 = new Label(this, QStringLiteral("Label5"), QRect(217, 343, 204, 29),
                       QStringLiteral("Visit Glimmerdeck home and download many other tools at ") +
                           contact::kHomePage);
    Label5->setForeColor(style::kMidGrey);
}

Form3* Form3::Open(QPointer<Form3>& window, QWidget* parent)
{
    return OpenOnce(window, [&] { return new Form3(parent); });
}

void Form3::Command1_Click() { close(); }
