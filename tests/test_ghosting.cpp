// The Ghosting tab: exact blended pixels, the blend following replaced
// layers, the 2x view following only the weight, and writing the blend back.
#include <cmath>

#include <gtest/gtest.h>

#include "harness.h"
#include "layer_tools/ghosting.h"
#include "platform/controls.h"
#include "platform/tab_control.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"

namespace {

constexpr Colour kNavy = 0x00800000;

// weight / 255, times (a - b), plus b; rounded half to even.
QImage ExpectedBlend(const QImage& a, const QImage& b, int weight)
{
    auto ch = [weight](int ca, int cb) { return int(std::nearbyint(weight / 255.0 * (ca - cb) + cb)); };
    QImage out(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
            out.setPixel(x, y, qRgb(ch(qRed(pa), qRed(pb)), ch(qGreen(pa), qGreen(pb)), ch(qBlue(pa), qBlue(pb))));
        }
    return out;
}

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
    const QImage a = PatternImage(64, 64, 5), b = PatternImage(64, 64, 77);
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

    const QImage a = PatternImage(64, 64, 1), b = PatternImage(64, 64, 100);
    for (int w : {0, 1, 77, 128, 254, 255})
        EXPECT_EQ(BlendGhostPixels(a, b, w), ExpectedBlend(a, b, w)) << w;
    // A missing picture reads as -1 everywhere, which splits into pure red.
    EXPECT_EQ(BlendGhostPixels(QImage(), b, 255), SolidImage(64, 64, RGB(255, 0, 0)));

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
    EXPECT_EQ(tab->Picture11->Image(), ExpectedBlend(a, b, 200));
    EXPECT_EQ(tab->Picture12->Image(), SolidImage(128, 128, kNavy)); // only the weight redraws the 2x view

    tab->Command28_Click();
    EXPECT_EQ(tab->Slider1->Value(), 128);
    EXPECT_EQ(tab->Picture11->Image(), ExpectedBlend(a, b, 128));
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
    ASSERT_EQ(first, ExpectedBlend(a, b, 128));

    tab->Command30_Click();
    EXPECT_EQ(layers->Image1->Image(), first);
    EXPECT_EQ(layers->Ckey1->Image(), first);
    EXPECT_EQ(tab->Picture11->Image(), ExpectedBlend(first, b, 128));

    tab->Slider1->setValueFromCode(0);
    tab->Command29_Click(); // the blend at weight 0 is layer B itself
    EXPECT_EQ(layers->Image2->Image(), b);
    EXPECT_EQ(layers->Ckey2->Image(), b);
    EXPECT_EQ(tab->Picture11->Image(), b);
}
