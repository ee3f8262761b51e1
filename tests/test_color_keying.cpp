// The Color Keying tab: picking the key colour, laying the top layer over the
// other, switching the order, and writing the result back into a layer.
#include <QApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "harness.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/ghosting.h"
#include "platform/controls.h"
#include "platform/tab_control.h"
#include "texture_set/layers.h"

namespace {

constexpr Colour kNavy = 0x00800000;
constexpr Colour kMagenta = 0x00FF00FF;

// Every pixel of a 64 x 64 PatternImage has a colour of its own, so keying
// away the colour of one pixel lets the base show through there alone.
QImage KeyedAt(const QImage& base, const QImage& pattern, int x, int y)
{
    QImage out = pattern;
    out.setPixel(x, y, base.pixel(x, y));
    return out;
}

struct ColorKeyingTest : FormFixture {
    ColorKeying* ck = nullptr;
    Layers* layers = nullptr;

    void SetUp() override
    {
        FormFixture::SetUp();
        ck = form->colorKeying.get();
        layers = form->layers.get();
    }
    // A real mouse event on a widget (button pressed/released, buttons held).
    static void Mouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // Replaces both layers as a whole (the cascade refreshes the mirrors).
    void SetLayers(const QImage& a, const QImage& b)
    {
        layers->Image1->setPicture(a);
        layers->Image2->setPicture(b);
    }
};

} // namespace

TEST_F(ColorKeyingTest, StartStateAndFirstPickOnTheEmptyPicker)
{
    EXPECT_EQ(ck->Command12->Caption(), "Layer A is on top (Click to switch)");
    EXPECT_FALSE(ck->LayerBOnTop());
    EXPECT_EQ(ck->KeyColour(), kMagenta);
    EXPECT_EQ(ck->Label4->Caption(), "Color Key");
    EXPECT_EQ(ck->Check3->Value(), 0);
    EXPECT_EQ(ck->Slider2->Value(), 0);
    EXPECT_EQ(ck->Slider2->Min(), 0);
    EXPECT_EQ(ck->Slider2->Max(), 255);
    EXPECT_TRUE(ck->Command13->isHidden());
    EXPECT_EQ(ck->CKeyPicker->Image(), SolidImage(64, 64, kNavy));
    EXPECT_EQ(ck->Picture4->Image(), SolidImage(64, 64, kNavy));
    EXPECT_EQ(ck->Ckey1->Image(), layers->Image1->Image());
    EXPECT_EQ(ck->Ckey2->Image(), layers->Image2->Image());
    // The mirrors are on this tab's page, stacked Ckey2 < Ckey1 < Ckey3 above the backdrop.
    QWidget* page = form->SSTab1->page(1);
    EXPECT_EQ(ck->Ckey1->parentWidget(), page);
    const QObjectList& kids = page->children();
    EXPECT_LT(kids.indexOf(ck->Shape10), kids.indexOf(ck->Ckey2));
    EXPECT_LT(kids.indexOf(ck->Ckey2), kids.indexOf(ck->Ckey1));
    EXPECT_LT(kids.indexOf(ck->Ckey1), kids.indexOf(ck->Ckey3));

    // Picking on the empty picker gives navy; the release lays layer A's
    // letter over layer B's tile with navy made transparent.
    Mouse(ck->CKeyPicker, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(ck->KeyColour(), kNavy);
    EXPECT_EQ(ck->Picture4->Image(), SolidImage(64, 64, kNavy)); // not yet generated
    Mouse(ck->CKeyPicker, QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
    const QImage a = layers->Image1->Image(), b = layers->Image2->Image();
    const QImage result = ck->Picture4->Image();
    const QRgb navy = PictureBuffer::ToQRgb(kNavy); // layer B shows wherever layer A is navy
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(result.pixel(x, y), a.pixel(x, y) == navy ? b.pixel(x, y) : a.pixel(x, y)) << x << "," << y;
    EXPECT_NE(result, a);
    EXPECT_NE(result, b);
}

TEST_F(ColorKeyingTest, ExactKeyingComparesWholeColours)
{
    constexpr Colour key = 0x00204060;
    const QImage base = PatternImage(64, 64, 7);
    // The top layer: the key colour, with pixels one step off in a single channel.
    QImage top = SolidImage(64, 64, key);
    top.setPixel(1, 0, PictureBuffer::ToQRgb(key + 1));       // red + 1
    top.setPixel(2, 0, PictureBuffer::ToQRgb(key - 256));     // green - 1
    top.setPixel(3, 0, PictureBuffer::ToQRgb(key + 65536));   // blue + 1
    top.setPixel(63, 63, PictureBuffer::ToQRgb(0x00FFFFFF));
    SetLayers(top, base);
    ck->CKeyPicker_MouseDown(1, 0, 0, 0); // the picker shows layer A: picks the key
    ASSERT_EQ(ck->KeyColour(), key);
    ck->CKeyPicker_MouseUp(1, 0, 0, 0);
    const PictureBuffer* r = ck->Picture4;
    EXPECT_EQ(r->GetPixel(0, 0), PictureBuffer::FromQRgb(base.pixel(0, 0)));
    EXPECT_EQ(r->GetPixel(1, 0), key + 1);
    EXPECT_EQ(r->GetPixel(2, 0), key - 256);
    EXPECT_EQ(r->GetPixel(3, 0), key + 65536);
    EXPECT_EQ(r->GetPixel(63, 63), 0x00FFFFFF);
    EXPECT_EQ(r->GetPixel(40, 40), PictureBuffer::FromQRgb(base.pixel(40, 40)));

    // A top layer made only of the key gives the base; a key absent from the
    // top layer gives the top layer.
    SetLayers(SolidImage(64, 64, key), base);
    ck->Command13_Click();
    EXPECT_EQ(ck->Picture4->Image(), base);
    SetLayers(PatternImage(64, 64, 3), base);
    ck->CKeyPicker->setPicture(SolidImage(64, 64, 0x00FEFEFE)); // a colour the pattern lacks
    ck->CKeyPicker_MouseDown(2, 0, 5, 5);
    ck->Command13_Click();
    EXPECT_EQ(ck->Picture4->Image(), PatternImage(64, 64, 3));
}

TEST_F(ColorKeyingTest, PickingFollowsButtonsAndKeepsTheKeyOutsideThePicker)
{
    QImage pic = PatternImage(64, 64, 5);
    layers->Image1->setPicture(pic); // A on top: the picker follows layer A
    ASSERT_EQ(ck->CKeyPicker->Image(), pic);
    auto at = [&](int x, int y) { return PictureBuffer::FromQRgb(pic.pixel(x, y)); };

    // Any button presses pick; coordinates round half to even.
    ck->CKeyPicker_MouseDown(2, 0, 2.5f, 3.5f);
    EXPECT_EQ(ck->KeyColour(), at(2, 4));
    ck->CKeyPicker_MouseDown(4, 1, 11.5f, 0.6f);
    EXPECT_EQ(ck->KeyColour(), at(12, 1));
    // Moves pick only with the left button alone.
    ck->CKeyPicker_MouseMove(3, 0, 20, 20);
    ck->CKeyPicker_MouseMove(2, 0, 20, 20);
    ck->CKeyPicker_MouseMove(0, 0, 20, 20);
    EXPECT_EQ(ck->KeyColour(), at(12, 1));
    ck->CKeyPicker_MouseMove(1, 2, 20, 21);
    EXPECT_EQ(ck->KeyColour(), at(20, 21));

    // A real drag that leaves the picker keeps the last colour picked inside.
    QWidget* w = ck->CKeyPicker;
    Mouse(w, QEvent::MouseButtonPress, {30, 30}, Qt::LeftButton, Qt::LeftButton);
    Mouse(w, QEvent::MouseMove, {63, 62}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(ck->KeyColour(), at(63, 62));
    for (QPointF out : {QPointF(64, 62), QPointF(-1, 5), QPointF(20, 80), QPointF(-3000, 99999)})
        Mouse(w, QEvent::MouseMove, out, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(ck->KeyColour(), at(63, 62));
    const QImage before = ck->Picture4->Image();
    Mouse(w, QEvent::MouseButtonRelease, {90, 90}, Qt::LeftButton, Qt::NoButton);
    EXPECT_NE(ck->Picture4->Image(), before); // released outside, still generated
    EXPECT_EQ(ck->Picture4->Image(), KeyedAt(ck->Ckey2->Image(), pic, 63, 62));

    // A right-button press and release picks and generates too.
    ck->Picture4->setPicture(SolidImage(64, 64, kNavy));
    Mouse(w, QEvent::MouseButtonPress, {0, 0}, Qt::RightButton, Qt::RightButton);
    Mouse(w, QEvent::MouseButtonRelease, {0, 0}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(ck->KeyColour(), at(0, 0));
    EXPECT_EQ(ck->Picture4->Image(), KeyedAt(ck->Ckey2->Image(), pic, 0, 0));

    // The second press of a quick double click (a double-click event) picks too.
    QuickClicks(w, {1, 1}, {5, 5});
    EXPECT_EQ(ck->KeyColour(), at(5, 5));
}

TEST_F(ColorKeyingTest, SwitchRefreshesMirrorsAndSwapsTheTopLayer)
{
    const QImage a = PatternImage(64, 64, 11), b = PatternImage(64, 64, 22);
    // Layers drawn pixel by pixel (as a pick from a bin does) leave the mirrors stale.
    layers->Image1->DrawPixels(a);
    layers->Image2->DrawPixels(b);
    ASSERT_NE(ck->Ckey1->Image(), a);
    ck->Command13_Click();
    const QImage oldResult = ck->Picture4->Image();

    ck->Command12->click();
    EXPECT_EQ(ck->Command12->Caption(), "Layer B is on top");
    EXPECT_TRUE(ck->LayerBOnTop());
    EXPECT_EQ(ck->Ckey1->Image(), a);
    EXPECT_EQ(ck->Ckey2->Image(), b);
    EXPECT_EQ(ck->Ckey3->Image(), b);
    EXPECT_EQ(ck->CKeyPicker->Image(), b);
    EXPECT_EQ(ck->Picture4->Image(), oldResult); // the switch does not generate

    // With B on top, Generate lays B over A.
    ck->CKeyPicker_MouseDown(1, 0, 4, 4);
    ck->Command13_Click();
    EXPECT_EQ(ck->Picture4->Image(), KeyedAt(a, b, 4, 4));

    // The second click refreshes the mirrors again and puts A back on top.
    const QImage a2 = PatternImage(64, 64, 33);
    layers->Image1->DrawPixels(a2);
    ck->Command12_Click();
    EXPECT_EQ(ck->Command12->Caption(), "Layer A is on top");
    EXPECT_FALSE(ck->LayerBOnTop());
    EXPECT_EQ(ck->Ckey1->Image(), a2);
    EXPECT_EQ(ck->CKeyPicker->Image(), a2);
}

TEST_F(ColorKeyingTest, ReplacedLayersReachThePickerOnlyWhenOnTop)
{
    const QImage a = PatternImage(64, 64, 1), b = PatternImage(64, 64, 2);
    // A on top: replacing B changes its mirrors but not the picker.
    layers->Image2->setPicture(b);
    EXPECT_EQ(ck->Ckey2->Image(), b);
    EXPECT_EQ(ck->CKeyPicker->Image(), SolidImage(64, 64, kNavy));
    layers->Image1->setPicture(a);
    EXPECT_EQ(ck->CKeyPicker->Image(), a);

    ck->Command12_Click(); // B on top
    const QImage b2 = PatternImage(64, 64, 3), a2 = PatternImage(64, 64, 4);
    layers->Image1->setPicture(a2);
    EXPECT_EQ(ck->CKeyPicker->Image(), b);
    layers->Image2->setPicture(b2);
    EXPECT_EQ(ck->CKeyPicker->Image(), b2);
    // Replacing layers never regenerates the result.
    EXPECT_EQ(ck->Picture4->Image(), SolidImage(64, 64, kNavy));
}

TEST_F(ColorKeyingTest, SetToLayerWritesTheResultThroughTheCascade)
{
    const QImage a = PatternImage(64, 64, 8), b = SolidImage(64, 64, 0x00123456);
    SetLayers(a, b);
    ck->Command12_Click(); // B on top, picker shows B
    ck->CKeyPicker_MouseDown(1, 0, 0, 0);
    ck->CKeyPicker_MouseUp(1, 0, 0, 0); // B is all key: the result is A
    const QImage result = ck->Picture4->Image();
    ASSERT_EQ(result, a);
    const uint64_t resultRevision = ck->Picture4->revision();

    ck->Command15->click(); // "Set to layer B" while B is on top
    EXPECT_EQ(layers->Image2->Image(), result);
    EXPECT_EQ(ck->Ckey2->Image(), result);
    EXPECT_EQ(ck->Ckey3->Image(), result);
    EXPECT_EQ(form->ghosting->Picture10->Image(), result);
    EXPECT_EQ(ck->CKeyPicker->Image(), result);
    EXPECT_EQ(ck->Picture4->revision(), resultRevision); // not regenerated

    // "Set to layer A" while B is on top: layer A's mirrors change, the picker does not.
    ck->Picture4->setPicture(SolidImage(64, 64, 0x00010203));
    ck->Command14->click();
    EXPECT_EQ(layers->Image1->Image(), SolidImage(64, 64, 0x00010203));
    EXPECT_EQ(ck->Ckey1->Image(), SolidImage(64, 64, 0x00010203));
    EXPECT_EQ(form->ghosting->Picture9->Image(), SolidImage(64, 64, 0x00010203));
    EXPECT_EQ(ck->CKeyPicker->Image(), result);
}

TEST_F(ColorKeyingTest, ReleaseOverTheSliderGeneratesButSettingsAloneDoNot)
{
    // The key, a colour 60 off it in every channel, one 61 off in blue alone, and one far off.
    const Colour key = RGB(100, 150, 200), within = RGB(160, 90, 140), beyond = RGB(100, 150, 139);
    const Colour other = RGB(10, 20, 30);
    const Colour base = 0x00123456;
    SetLayers(QuadrantImage(key, within, beyond, other), SolidImage(64, 64, base));
    ck->CKeyPicker_MouseDown(1, 0, 6, 6);
    ASSERT_EQ(ck->KeyColour(), key);
    const QImage empty = ck->Picture4->Image();

    // Ticking "Enable" or moving the tolerance from the keyboard generates nothing.
    ck->Check3->setValue(1);
    ck->Slider2->setValueFromCode(60);
    ck->Check3->setValue(0);
    EXPECT_EQ(ck->Picture4->Image(), empty);

    // A release over the slider generates, in exact keying too, where the tolerance plays no part.
    QWidget* s = ck->Slider2;
    Mouse(s, QEvent::MouseButtonPress, {5, 10}, Qt::LeftButton, Qt::LeftButton);
    Mouse(s, QEvent::MouseButtonRelease, {5, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(ck->Picture4->Image(), QuadrantImage(base, within, beyond, other));

    // Near keying at 60 drops more of the top layer, the bound included.
    ck->Check3->setValue(1);
    ck->Slider2->setValueFromCode(60);
    ck->Slider2_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(ck->Picture4->Image(), QuadrantImage(base, base, beyond, other));
}

TEST(ColorKeyingRule, NearKeyingDropsColoursWithinTheToleranceInEveryChannel)
{
    const Colour key = RGB(100, 150, 200);
    // Exact keying: only the key itself is dropped; the tolerance plays no part.
    EXPECT_FALSE(KeepsTopPixel(key, key, false, 255));
    EXPECT_TRUE(KeepsTopPixel(RGB(100, 150, 201), key, false, 255));
    // Near keying at 0 behaves as exact keying.
    EXPECT_FALSE(KeepsTopPixel(key, key, true, 0));
    EXPECT_TRUE(KeepsTopPixel(RGB(101, 150, 200), key, true, 0));
    // Within the tolerance in all three channels (bound included): dropped.
    EXPECT_FALSE(KeepsTopPixel(RGB(110, 140, 210), key, true, 10));
    EXPECT_FALSE(KeepsTopPixel(RGB(90, 160, 190), key, true, 10));
    // One channel beyond it: kept, whichever channel and side.
    EXPECT_TRUE(KeepsTopPixel(RGB(111, 150, 200), key, true, 10));
    EXPECT_TRUE(KeepsTopPixel(RGB(100, 139, 200), key, true, 10));
    EXPECT_TRUE(KeepsTopPixel(RGB(100, 150, 211), key, true, 10));
    // The widest tolerance drops every colour, extremes included.
    EXPECT_FALSE(KeepsTopPixel(RGB(0, 0, 0), RGB(255, 255, 255), true, 255));
    EXPECT_FALSE(KeepsTopPixel(RGB(255, 0, 255), RGB(0, 255, 0), true, 255));
    EXPECT_TRUE(KeepsTopPixel(RGB(0, 0, 0), RGB(255, 255, 255), true, 254));

    // KeyOver writes the kept pixels only.
    QImage result = SolidImage(64, 64, 0x00000001);
    QImage top = SolidImage(64, 64, key);
    top.setPixel(5, 5, PictureBuffer::ToQRgb(RGB(100, 150, 215)));
    top.setPixel(6, 5, PictureBuffer::ToQRgb(RGB(100, 150, 205)));
    KeyOver(result, top, key, true, 10);
    EXPECT_EQ(PictureBuffer::FromQRgb(result.pixel(5, 5)), RGB(100, 150, 215));
    EXPECT_EQ(PictureBuffer::FromQRgb(result.pixel(6, 5)), 0x00000001);
    EXPECT_EQ(PictureBuffer::FromQRgb(result.pixel(63, 63)), 0x00000001);
}
