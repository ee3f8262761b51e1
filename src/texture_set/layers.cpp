#include "texture_set/layers.h"

#include "artwork/artwork.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "platform/tab_control.h"

Layers::Layers(QWidget* client, TabControl& tabs)
{
    Image1 = new PictureBuffer(client, QStringLiteral("Image1"), 427, 28, 64, 64, style::kNavy);
    Image1->setToolTip(QStringLiteral("Layer A"));
    Image1->setPicture(artwork::LayerLetterTile('A'));
    Image2 = new PictureBuffer(client, QStringLiteral("Image2"), 518, 28, 64, 64, style::kNavy);
    Image2->setToolTip(QStringLiteral("Layer B"));
    Image2->setPicture(artwork::LayerLetterTile('B'));

    // Ckey2 lies under Ckey1, Ckey3 over it: the creation order stacks them.
    QWidget* keying = tabs.page(kColorKeyingTab);
    Ckey2 = new PictureBuffer(keying, QStringLiteral("Ckey2"), 322, 49, 64, 64, style::kNavy);
    Ckey1 = new PictureBuffer(keying, QStringLiteral("Ckey1"), 294, 21, 64, 64, style::kNavy);
    Ckey3 = new PictureBuffer(keying, QStringLiteral("Ckey3"), 322, 49, 64, 64, style::kNavy);
    Ckey1->setPicture(Image1->Image());
    Ckey2->setPicture(Image2->Image());
    Ckey3->setPicture(Image2->Image());
    Ckey3->hide();

    QWidget* ghosting = tabs.page(kGhostingTab);
    Picture10 = new PictureBuffer(ghosting, QStringLiteral("Picture10"), 63, 63, 64, 64, style::kNavy);
    Picture10->hide();
    Picture9 = new PictureBuffer(ghosting, QStringLiteral("Picture9"), 63, 203, 64, 64, style::kNavy);
    Picture9->hide();

    Image1->onChange = [this] { Image1_Change(); };
    Image2->onChange = [this] { Image2_Change(); };
}

void Layers::Image1_Change()
{
    Ckey1->setPicture(Image1->Image());
    Picture9->setPicture(Image1->Image());
}

void Layers::Image2_Change()
{
    Ckey2->setPicture(Image2->Image());
    Ckey3->setPicture(Image2->Image());
    Picture10->setPicture(Image2->Image());
}
