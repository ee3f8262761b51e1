#include "texture_set/layers.h"

#include <utility>

#include "artwork/artwork.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"

namespace {
void CopyInto(const std::vector<PictureBuffer*>& mirrors, const PictureBuffer& layer)
{
    for (PictureBuffer* mirror : mirrors)
        mirror->setPicture(layer.Image());
}
} // namespace

Layers::Layers(QWidget* client)
{
    Image1 = new PictureBuffer(client, PictureKind::Box, QStringLiteral("Image1"), 427, 28, 64, 64, style::kNavy);
    Image1->setToolTip(QStringLiteral("Layer A"));
    Image1->setPicture(artwork::LayerLetterTile('A'));
    Image2 = new PictureBuffer(client, PictureKind::Box, QStringLiteral("Image2"), 518, 28, 64, 64, style::kNavy);
    Image2->setToolTip(QStringLiteral("Layer B"));
    Image2->setPicture(artwork::LayerLetterTile('B'));

    Image1->onChange = [this] { Image1_Change(); };
    Image2->onChange = [this] { Image2_Change(); };
}

void Layers::SetMirrors(std::vector<PictureBuffer*> ofA, std::vector<PictureBuffer*> ofB)
{
    mirrorsOfA_ = std::move(ofA);
    mirrorsOfB_ = std::move(ofB);
}

void Layers::Image1_Change() { CopyInto(mirrorsOfA_, *Image1); }

void Layers::Image2_Change() { CopyInto(mirrorsOfB_, *Image2); }
