// Layers A and B and their copies on the Color Keying and Ghosting tabs:
// only replacing a layer as a whole refreshes its copies, at once and in order.
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include "harness.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/ghosting.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"

namespace {

struct LayersTest : FormFixture {
    Layers* layers = nullptr;
    PictureBuffer *Ckey1 = nullptr, *Ckey2 = nullptr, *Ckey3 = nullptr, *Picture9 = nullptr, *Picture10 = nullptr;
    QStringList log;

    void SetUp() override
    {
        FormFixture::SetUp();
        layers = form->layers.get();
        Ckey1 = form->colorKeying->Ckey1;
        Ckey2 = form->colorKeying->Ckey2;
        Ckey3 = form->colorKeying->Ckey3;
        Picture9 = form->ghosting->Picture9;
        Picture10 = form->ghosting->Picture10;
        // Record each copy's notification, then run whatever handler it had.
        for (auto [name, mirror] : {std::pair{"Ckey1", Ckey1}, {"Ckey2", Ckey2}, {"Ckey3", Ckey3},
                                    {"Picture9", Picture9}, {"Picture10", Picture10}}) {
            mirror->onChange = [this, name = QString::fromLatin1(name), previous = mirror->onChange] {
                log << name;
                if (previous)
                    previous();
            };
        }
    }
    bool Holds(const PictureBuffer* buf, const QImage& img) const { return buf->Image() == img; }
};

} // namespace

TEST_F(LayersTest, ReplacingALayerRefreshesItsCopiesInOrderBeforeReturning)
{
    const QImage a = PatternImage(64, 64, 1), b = PatternImage(64, 64, 2);
    const QImage oldB = layers->Image2->Image();
    // Each copy's handler already sees its own new image and the copies before it.
    Picture9->onChange = [this, previous = Picture9->onChange, a] {
        EXPECT_TRUE(Holds(Ckey1, a));
        EXPECT_TRUE(Holds(Picture9, a));
        previous();
    };
    Ckey3->onChange = [this, previous = Ckey3->onChange, b] {
        EXPECT_TRUE(Holds(Ckey2, b));
        EXPECT_TRUE(Holds(Ckey3, b));
        EXPECT_FALSE(Holds(Picture10, b));
        previous();
    };

    layers->Image1->setPicture(a);
    EXPECT_EQ(log, (QStringList{"Ckey1", "Picture9"}));
    EXPECT_TRUE(Holds(Ckey2, oldB)); // layer B's copies are not touched
    log.clear();
    layers->Image2->setPicture(b);
    EXPECT_EQ(log, (QStringList{"Ckey2", "Ckey3", "Picture10"}));
    EXPECT_TRUE(Holds(Picture10, b));
    EXPECT_TRUE(Holds(Ckey1, a));

    // The copies are copies: drawing into the layer afterwards leaves them alone.
    layers->Image1->SetPixel(3, 3, 0x00010203);
    layers->Image2->PaintPicture(SolidImage(64, 64, 0), 0, 0, 64, 64, 0, 0, RasterOp::And);
    EXPECT_TRUE(Holds(Ckey1, a));
    EXPECT_TRUE(Holds(Picture9, a));
    EXPECT_TRUE(Holds(Ckey3, b));
    EXPECT_TRUE(Holds(Picture10, b));
}

TEST_F(LayersTest, PickingAndStampingRaiseNothing)
{
    // At start the Color Keying copies show the letter tiles, the Ghosting ones nothing.
    EXPECT_TRUE(Holds(Ckey1, layers->Image1->Image()));
    EXPECT_TRUE(Holds(Ckey2, layers->Image2->Image()));
    EXPECT_TRUE(Holds(Ckey3, layers->Image2->Image()));
    EXPECT_TRUE(Holds(Picture9, SolidImage(64, 64, 0x00800000)));
    EXPECT_FALSE(Ckey3->isVisibleTo(Ckey3->parentWidget()));

    const QImage ckey1 = Ckey1->Image(), ckey2 = Ckey2->Image();
    TextureBins& bins = *form->bins;
    bins.Picture1_MouseDown(1, 0, 10, 10);
    bins.Picture1_MouseMove(2, 0, 70, 10);
    bins.Picture2_MouseDown(1, 1, 10, 10);
    bins.Picture2_MouseMove(2, 0, 70, 70);
    EXPECT_TRUE(log.isEmpty()) << log.join(",").toStdString();
    EXPECT_FALSE(Holds(layers->Image1, ckey1)); // the layers did change
    EXPECT_FALSE(Holds(layers->Image2, ckey2));
    EXPECT_TRUE(Holds(Ckey1, ckey1));
    EXPECT_TRUE(Holds(Ckey3, ckey2));
    EXPECT_TRUE(Holds(Picture10, SolidImage(64, 64, 0x00800000)));
}
