// The Ghosting tab: exact blended pixels, the blend following replaced
// layers, the 2x view following only the weight, and writing the blend back.
#include <gtest/gtest.h>

#include "harness.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/ghosting.h"
#include "platform/controls.h"
#include "platform/tab_control.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"

namespace {

constexpr Colour kNavy = 0x00800000;

bool IsTwiceAsLarge(const QImage& big, const QImage& small)
{
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            if (big.pixel(x, y) != small.pixel(x / 2, y / 2))
                return false;
    return big.size() == small.size() * 2;
}

struct GhostingTest : FormFixture {
    Ghosting* tab = nullptr;
    Layers* layers = nullptr;
    // Blended by hand: 255 over 0 at 128 gives 128, 0 over 255 gives 127.
    const QImage a = QuadrantImage(RGB(255, 0, 3), RGB(200, 100, 50), RGB(0, 255, 2), RGB(60, 60, 60));
    const QImage b = QuadrantImage(RGB(0, 255, 2), RGB(100, 50, 200), RGB(255, 0, 3), RGB(60, 61, 250));
    const QImage blendAt128 =
        QuadrantImage(RGB(128, 127, 3), RGB(150, 75, 125), RGB(127, 128, 2), RGB(60, 60, 155));
    void SetUp() override
    {
        FormFixture::SetUp();
        tab = form->ghosting.get();
        layers = form->layers.get();
    }
};

} // namespace

TEST(BlendTest, ChannelsMixByTheWeightOfLayerA)
{
    EXPECT_EQ(BlendChannel(255, 0, 128), 128); // 128 / 255 * 255 is exactly 128
    EXPECT_EQ(BlendChannel(0, 255, 128), 127); // the mix at 128 is not symmetric
    EXPECT_EQ(BlendChannel(3, 2, 128), 3);     // 2.50196...
    for (int c = 0; c < 256; c += 15) {
        EXPECT_EQ(BlendChannel(c, 255 - c, 255), c);
        EXPECT_EQ(BlendChannel(c, 255 - c, 0), 255 - c);
    }
    EXPECT_EQ(BlendColour(RGB(255, 0, 3), RGB(0, 255, 2), 128), RGB(128, 127, 3));

    const QImage a = QuadrantImage(RGB(255, 0, 3), RGB(147, 85, 200), RGB(0, 255, 2), RGB(10, 20, 30));
    const QImage b = QuadrantImage(RGB(0, 255, 2), RGB(85, 147, 100), RGB(255, 0, 3), RGB(30, 20, 10));
    EXPECT_EQ(BlendGhostPixels(a, b, 128),
              QuadrantImage(RGB(128, 127, 3), RGB(116, 116, 150), RGB(127, 128, 2), RGB(20, 20, 20)));
    EXPECT_EQ(BlendGhostPixels(a, b, 77),
              QuadrantImage(RGB(77, 178, 2), RGB(104, 128, 130), RGB(178, 77, 3), RGB(24, 20, 16)));
    EXPECT_EQ(BlendGhostPixels(a, b, 255), a);
    EXPECT_EQ(BlendGhostPixels(a, b, 0), b);

    const QImage small = PatternImage(3, 2, 4);
    EXPECT_TRUE(IsTwiceAsLarge(EnlargeTwice(small), small));
}

TEST_F(GhostingTest, TheBlendFollowsReplacedLayersAndTheWeight)
{
    // Before any layer is replaced both copies are empty: the blend is navy.
    tab->Slider1->setValueFromCode(200);
    EXPECT_EQ(tab->Picture11->Image(), SolidImage(64, 64, kNavy));
    EXPECT_EQ(tab->Picture12->Image(), SolidImage(128, 128, kNavy));

    layers->Image1->setPicture(a);
    layers->Image2->setPicture(b);
    EXPECT_EQ(tab->Picture11->Image(),
              QuadrantImage(RGB(200, 55, 3), RGB(178, 89, 82), RGB(55, 200, 2), RGB(60, 60, 101)));
    EXPECT_EQ(tab->Picture12->Image(), SolidImage(128, 128, kNavy)); // only the weight redraws the 2x view

    tab->Command28_Click();
    EXPECT_EQ(tab->Slider1->Value(), 128);
    EXPECT_EQ(tab->Picture11->Image(), blendAt128);
    EXPECT_TRUE(IsTwiceAsLarge(tab->Picture12->Image(), tab->Picture11->Image()));

    // On screen the lines joining the two pictures stay under them: the
    // blend's corner pixels show the blend, not a line.
    form->SSTab1->setTab(3);
    form->show();
    const QImage shown = tab->Picture11->parentWidget()->grab(tab->Picture11->geometry()).toImage();
    for (QPoint corner : {QPoint(63, 0), QPoint(63, 63)})
        EXPECT_EQ(shown.pixel(corner) | 0xFF000000u, tab->Picture11->Image().pixel(corner)) << corner.y();

    // "50/50" at 50/50 already redraws nothing.
    const uint64_t before = tab->Picture12->revision();
    tab->Command28_Click();
    EXPECT_EQ(tab->Picture12->revision(), before);

    // Picking a tile into layer A draws into it: the copy and the blend stay.
    const QImage blend = tab->Picture11->Image();
    form->bins->Picture1_MouseDown(1, 0, 10, 10);
    EXPECT_NE(layers->Image1->Image(), a);
    EXPECT_EQ(tab->Picture11->Image(), blend);
}

TEST_F(GhostingTest, SetButtonsWriteTheBlendAndItIsBlendedAgain)
{
    layers->Image1->setPicture(a);
    layers->Image2->setPicture(b);
    const QImage first = tab->Picture11->Image();
    ASSERT_EQ(first, blendAt128);

    tab->Command30_Click();
    EXPECT_EQ(layers->Image1->Image(), first);
    EXPECT_EQ(form->colorKeying->Ckey1->Image(), first);
    EXPECT_EQ(tab->Picture11->Image(),
              QuadrantImage(RGB(64, 191, 3), RGB(125, 63, 162), RGB(191, 64, 2), RGB(60, 60, 202)));

    tab->Slider1->setValueFromCode(0);
    tab->Command29_Click(); // the blend at weight 0 is layer B itself
    EXPECT_EQ(layers->Image2->Image(), b);
    EXPECT_EQ(form->colorKeying->Ckey2->Image(), b);
    EXPECT_EQ(tab->Picture11->Image(), b);
}
