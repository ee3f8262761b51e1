#include "windows/filter_help_window.h"

#include "platform/controls.h"
#include "platform/text_area.h"
#include "windows/contact.h"

QString FilterHelpText()
{
    return QStringLiteral(
               "Filters are composed of two files: a filter instruction file and a filter bitmap.\n"
               "\n"
               "1. Draw a 64 x 64 pixel bitmap in any paint program and save it in the Filters folder beside "
               "Glimmerdeck. The bitmap is multiplied into the tile colour by colour: white keeps a pixel as it "
               "is, black turns it black, and any other colour tints it.\n"
               "\n"
               "2. With file extensions shown, create a new text file in the Filters folder and rename it from "
               ".txt to .fil. If your system hides file extensions, copy an existing .fil file instead and rename "
               "the copy.\n"
               "\n"
               "3. Open the .fil file in a text editor such as NotePad. It holds three lines:\n"
               "    line 1: the filter's title\n"
               "    line 2: the author's name (yours)\n"
               "    line 3: the name of the bitmap, without the .bmp ending\n"
               "Save it, then click Refresh List on the Filter / Rotate tab and your filter is in the list.\n"
               "\n"
               "Why two separate files and not one file made by a filter editor? Because everyone already has a "
               "paint program and a text editor. You can change a filter's picture or its title at any time with "
               "the tools you know, and share it without anyone needing a special program to open it.\n"
               "\n"
               "Look at the filters already in the Filters folder to see how they are put together.\n"
               "\n"
               "Enjoy making custom filters!\n"
               "-%1\n")
        .arg(contact::kAuthor);
}

QString MoreFiltersMessage()
{
    return QStringLiteral("Visit ") + contact::kFilterPage +
           QStringLiteral(" for more custom filter packs. Email your own custom filters to ") + contact::kAuthorEmail +
           QStringLiteral(" in a zip folder so they can be added to the site.");
}

Form8::Form8(QWidget* parent)
    : SecondaryWindow(parent, QStringLiteral("Form8"), {kClientWidth, kClientHeight}, Frame::Tool)
{
    setWindowTitle(QStringLiteral("How to create your own filters:"));

    Text1 = new TextArea(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(7, 7, 512, 428);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setReadOnly(true);
    Text1->setPlainText(FilterHelpText());

    Command1 = new CommandButton(this, QStringLiteral("Command1"), QRect(378, 441, 141, 36), QStringLiteral("OK"));
    Command1->onClick = [this] { Command1_Click(); };
}

Form8* Form8::Open(QPointer<Form8>& window, QWidget* parent)
{
    return OpenOnce(window, [&] { return new Form8(parent); });
}

void Form8::Command1_Click() { close(); }
