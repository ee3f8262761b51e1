#include "texture_set/selector_chooser.h"

#include <QLabel>
#include <QPushButton>

#include "artwork/artwork.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"

Form7::Form7(PictureBuffer& square, QWidget* parent)
    : SecondaryWindow(parent, QStringLiteral("Form7"), {349, 351}, Frame::Tool), square_(square)
{
    setWindowTitle(QStringLiteral("Choose Selector"));

    Label1 = new QLabel(QStringLiteral("Choose a selector to follow your mouse in the texture bins:"), this);
    Label1->setGeometry(7, 7, 309, 22);
    Label1->setWordWrap(true);
    style::SetCompactFont(Label1);
    Label2 = new QLabel(QStringLiteral("Current:"), this);
    Label2->setGeometry(133, 35, 78, 15);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Picture1 = new PictureBuffer(this, PictureKind::Box, QStringLiteral("Picture1"), 133, 49, 82, 82, style::kPageGrey);
    Picture1->setAutoSize(true);
    const int lefts[4] = {7, 91, 175, 259};
    for (int i = 0; i < 8; ++i) {
        auto* p = new PictureBuffer(this, PictureKind::Box, QStringLiteral("Picture2(%1)").arg(i),
                                    lefts[i % 4], i < 4 ? 140 : 224,
                                    82, 82, style::kPageGrey);
        p->setAutoSize(true);
        p->setPicture(artwork::SelectorFrame(i));
        p->setCursor(Qt::PointingHandCursor);
        p->onClick = [this, i] { Picture2_Click(i); };
        Picture2[static_cast<size_t>(i)] = p;
    }
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(245, 315, 92, 29);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Form_Load();
}

void Form7::Form_Load() { Picture1->setPicture(square_.Image()); }

void Form7::Picture2_Click(int Index)
{
    Picture1->setPicture(Picture2[static_cast<size_t>(Index)]->Image());
    square_.setPicture(Picture2[static_cast<size_t>(Index)]->Image());
}

void Form7::Command1_Click() { close(); }
