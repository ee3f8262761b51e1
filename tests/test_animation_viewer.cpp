// The Animation viewer tab: filling the frame slots, the order of the frames
// in both modes, the timer's speed, Play and Stop, and the frame count box.
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "artwork/animation_viewer_art.h"
#include "harness.h"
#include "layer_tools/animation_viewer.h"
#include "platform/controls.h"
#include "platform/tab_control.h"
#include "texture_set/layers.h"

namespace {

using F = std::array<int, 4>;

// A mouse event as the window system delivers it: `buttons` are those held
// after the event.
void Mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at)
{
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Click(QWidget* w, Qt::MouseButton button, QPoint at)
{
    Mouse(w, QEvent::MouseButtonPress, button, button, at);
    Mouse(w, QEvent::MouseButtonRelease, button, Qt::NoButton, at);
}

void Key(QWidget* w, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

struct AnimationViewerTest : FormFixture {
    AnimationViewer* av = nullptr;
    Layers* layers = nullptr;
    // Tile k (1 to 9) is a solid colour of its own.
    static Colour TileColour(int k) { return RGB(20 * k, 255 - 20 * k, 7 * k); }

    void SetUp() override
    {
        FormFixture::SetUp();
        av = form->animationViewer.get();
        layers = form->layers.get();
    }
    // Fills slots 1 to n with their own tiles, through layer A and layer B in turn.
    void FillSlots(int n)
    {
        for (int k = 1; k <= n; ++k) {
            const bool viaA = k % 2 == 1;
            (viaA ? layers->Image1 : layers->Image2)->setPicture(SolidImage(64, 64, TileColour(k)));
            av->Picture17_MouseUp(k - 1, viaA ? 1 : 2, 0, 10, 10);
        }
    }
    // The frame a view shows, by its colour; 0 for anything else.
    int FrameIn(int view) const
    {
        const Colour c = av->Picture16[static_cast<size_t>(view)]->GetPixel(32, 32);
        for (int k = 1; k <= 9; ++k)
            if (c == TileColour(k))
                return k;
        return 0;
    }
    F Views() const { return {FrameIn(0), FrameIn(1), FrameIn(2), FrameIn(3)}; }
    std::vector<F> Ticks(int n)
    {
        std::vector<F> out;
        for (int i = 0; i < n; ++i) {
            av->anim_Timer();
            out.push_back(Views());
        }
        return out;
    }
};

} // namespace

TEST_F(AnimationViewerTest, StartsStoppedEmptyAndInSimultaneousMode)
{
    EXPECT_FALSE(av->anim->Enabled());
    EXPECT_EQ(av->AnimFrame(), 0);
    EXPECT_EQ(av->Text8->Text(), "9");
    EXPECT_EQ(av->Check1->Value(), 1);
    EXPECT_EQ(av->animspeed->Value(), 5);
    EXPECT_EQ(av->animspeed->Min(), 1);
    EXPECT_EQ(av->animspeed->Max(), 50);
    for (PictureBuffer* v : av->Picture16)
        EXPECT_EQ(v->GetPixel(32, 32), 0x00000000);
    for (PictureBuffer* slot : av->Picture17)
        EXPECT_TRUE(slot->Picture().isNull());
}

TEST_F(AnimationViewerTest, SlotsTakeACopyOfTheLayerOfTheButtonReleased)
{
    layers->Image1->setPicture(PatternImage(64, 64, 1));
    layers->Image2->setPicture(PatternImage(64, 64, 2));
    av->Picture17_MouseUp(0, 1, 0, 0, 0);
    av->Picture17_MouseUp(8, 2, 0, 0, 0);
    EXPECT_EQ(av->Picture17[0]->Image(), PatternImage(64, 64, 1));
    EXPECT_EQ(av->Picture17[8]->Image(), PatternImage(64, 64, 2));

    // The middle button and both buttons together fill nothing.
    const QImage before = av->Picture17[4]->Image();
    av->Picture17_MouseUp(4, 4, 0, 0, 0);
    av->Picture17_MouseUp(4, 3, 0, 0, 0);
    EXPECT_EQ(av->Picture17[4]->Image(), before);
    av->Picture17_MouseUp(9, 1, 0, 0, 0); // no such slot
    av->Picture17_MouseUp(-1, 1, 0, 0, 0);

    // Later changes of the layer do not reach the slot, and the layer is untouched.
    layers->Image1->setPicture(SolidImage(64, 64, 0x00123456));
    EXPECT_EQ(av->Picture17[0]->Image(), PatternImage(64, 64, 1));
    av->Picture17_MouseUp(1, 1, 0, 0, 0);
    EXPECT_EQ(layers->Image1->GetPixel(5, 5), 0x00123456);
}

TEST_F(AnimationViewerTest, RealClicksOnASlotFillItAndAChordFillsNothing)
{
    layers->Image1->setPicture(SolidImage(64, 64, 0x000000AA));
    layers->Image2->setPicture(SolidImage(64, 64, 0x0000BB00));
    PictureBuffer* slot = av->Picture17[3];
    // The slot's number lets clicks through to the slot.
    EXPECT_EQ(slot->childAt(5, 5), nullptr);
    Click(slot, Qt::LeftButton, QPoint(5, 5));
    EXPECT_EQ(slot->GetPixel(40, 40), 0x000000AA);
    Click(slot, Qt::RightButton, QPoint(40, 40));
    EXPECT_EQ(slot->GetPixel(40, 40), 0x0000BB00);

    // Both buttons pressed, then both released: nothing is loaded.
    layers->Image1->setPicture(SolidImage(64, 64, 0x00111111));
    layers->Image2->setPicture(SolidImage(64, 64, 0x00222222));
    const QPoint at(30, 30);
    Mouse(slot, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, at);
    Mouse(slot, QEvent::MouseButtonPress, Qt::RightButton, Qt::LeftButton | Qt::RightButton, at);
    Mouse(slot, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::RightButton, at);
    Mouse(slot, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, at);
    EXPECT_EQ(slot->GetPixel(40, 40), 0x0000BB00);

    // Releasing away from the slot cancels.
    Mouse(slot, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, at);
    Mouse(slot, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(100, 30));
    EXPECT_EQ(slot->GetPixel(40, 40), 0x0000BB00);
    // The next plain click works again.
    Click(slot, Qt::LeftButton, at);
    EXPECT_EQ(slot->GetPixel(40, 40), 0x00111111);
    // The second press of a quick double click (a double-click event) fills too.
    layers->Image1->setPicture(SolidImage(64, 64, 0x00333333));
    QTest::mouseDClick(slot, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(slot, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(slot->GetPixel(40, 40), 0x00333333);
}

// Typing a frame count and then pressing on a film strip keeps typing into
// the box; a press on a frame slot takes the focus.
TEST_F(AnimationViewerTest, APressOnAFilmStripLeavesTheFocusInTheFrameCountButASlotTakesIt)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    form->SSTab1->setTab(6);
    av->Text8->setFocus();
    for (PictureBuffer* strip : {av->Image6, av->Image7, av->Image5, av->Image8}) {
        QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        EXPECT_EQ(QApplication::focusWidget(), av->Text8) << strip->objectName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_4);
    EXPECT_EQ(av->Text8->Text(), "4");
    QTest::mouseClick(av->Picture17[0], Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_EQ(QApplication::focusWidget(), av->Picture17[0]);
}

TEST_F(AnimationViewerTest, TicksShowTheFramesInBothModes)
{
    FillSlots(9);
    av->Text8->setTextValue("3");
    av->Command51_Click();
    EXPECT_EQ(Ticks(4), (std::vector<F>{{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}, {1, 1, 1, 1}}));

    // Switching the mode changes nothing until the next tick.
    av->Check1->setValue(0);
    EXPECT_EQ(Views(), F({1, 1, 1, 1}));
    EXPECT_EQ(Ticks(3), (std::vector<F>{{3, 1, 2, 2}, {1, 2, 3, 3}, {2, 3, 1, 1}}));

    // A count typed with trailing text is read by its leading number.
    av->Text8->setTextValue("2 frames");
    EXPECT_EQ(av->Text8->Text(), "2 frames");
    EXPECT_EQ(Ticks(2), (std::vector<F>{{2, 1, 2, 2}, {1, 2, 1, 1}}));
}

TEST_F(AnimationViewerTest, EmptySlotsShowAsBlankTiles)
{
    FillSlots(1);
    av->Text8->setTextValue("3");
    av->Check1->setValue(0);
    av->Command51_Click();
    av->anim_Timer(); // strip: frames 2, 3, 1 — the first two never filled
    const Colour blank = av->Picture17[1]->BackColor();
    EXPECT_EQ(av->Picture16[0]->GetPixel(0, 0), blank);
    EXPECT_EQ(av->Picture16[0]->GetPixel(63, 63), blank);
    EXPECT_EQ(av->Picture16[1]->GetPixel(20, 50), blank);
    EXPECT_EQ(FrameIn(2), 1);
    EXPECT_NE(blank, 0x00000000); // distinct from the views' own black
}

TEST_F(AnimationViewerTest, PlayStopAndTheDelaySlider)
{
    FillSlots(9);
    av->animspeed->setValueFromCode(1);
    av->Command51_Click();
    EXPECT_TRUE(av->anim->Enabled());
    EXPECT_TRUE(av->anim->isActive());
    EXPECT_EQ(av->anim->Interval(), 10);
    EXPECT_EQ(av->AnimFrame(), 1);
    Ticks(4);
    EXPECT_EQ(av->AnimFrame(), 5);

    // Stop keeps the views and the frame number.
    av->Command52_Click();
    EXPECT_FALSE(av->anim->isActive());
    EXPECT_EQ(Views(), F({4, 4, 4, 4}));
    EXPECT_EQ(av->AnimFrame(), 5);

    // Releasing the mouse on the slider sets the delay, but does not restart.
    av->animspeed->setSliderDown(true); // a drag in progress changes nothing yet
    av->animspeed->setValue(50);
    EXPECT_EQ(av->anim->Interval(), 10);
    av->animspeed->setSliderDown(false);
    av->animspeed_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(av->anim->Interval(), 500);
    EXPECT_FALSE(av->anim->isActive());

    // Play starts again at frame 1, also while playing.
    av->Command51_Click();
    Ticks(2);
    av->Command51_Click();
    EXPECT_EQ(av->AnimFrame(), 1);
    EXPECT_EQ(Ticks(1), (std::vector<F>{{1, 1, 1, 1}}));
    EXPECT_EQ(av->anim->Interval(), 500);

    // The keyboard moves the slider; the delay follows at the next release of
    // the mouse over it or the next Play.
    Key(av->animspeed, Qt::Key_Home);
    EXPECT_EQ(av->animspeed->Value(), 1);
    EXPECT_EQ(av->anim->Interval(), 500);
    EXPECT_TRUE(av->anim->isActive());
    av->Command51_Click();
    EXPECT_EQ(av->anim->Interval(), 10);
}

TEST_F(AnimationViewerTest, FrameCountStaysWithinTwoAndNine)
{
    struct Case {
        const char* typed;
        const char* kept;
    };
    for (const Case& c : {Case{"", "2"}, {"12", "9"}, {"0", "2"}, {"-3", "2"}, {"abc", "2"}, {"1", "2"},
                          {"4.5", "4.5"}, {"9.01", "9"}, {"1e1", "9"}, {"-2e0", "2"}, {"1e999", "9"}, {"-1e999", "2"},
                          {" 5", " 5"}, {"3x", "3x"}, {"2", "2"}, {"9", "9"}, {"+7", "+7"}, {".", "2"},
                          {"1.99", "2"}, {"1d1", "2"}, {"&HA", "9"}, {"1 2", "9"}, {"&H3", "&H3"}}) {
        av->Text8->setTextValue(QStringLiteral("5"));
        av->Text8->setTextValue(QString::fromLatin1(c.typed));
        EXPECT_EQ(av->Text8->Text(), QString::fromLatin1(c.kept)) << "typed '" << c.typed << "'";
    }
    // Typing, as the user does: deleting the text writes 2 at once.
    av->Text8->setTextValue(QStringLiteral("9"));
    Key(av->Text8, Qt::Key_End);
    Key(av->Text8, Qt::Key_Backspace);
    EXPECT_EQ(av->Text8->Text(), "2");
    // Letters typed over the text: each is put back to 2 and the caret goes
    // before it, so the box never shows more than the value it holds.
    av->Text8->selectAll();
    QTest::keyClicks(av->Text8, "abc");
    EXPECT_EQ(av->Text8->Text(), "2");
}

TEST_F(AnimationViewerTest, LoweringTheCountWhilePlayingWrapsAfterThePendingFrame)
{
    FillSlots(9);
    av->Command51_Click();
    Ticks(5);
    av->Text8->setTextValue("3");
    EXPECT_EQ(Ticks(2), (std::vector<F>{{6, 6, 6, 6}, {1, 1, 1, 1}}));
    // A slot filled while playing shows at its next turn.
    layers->Image1->setPicture(SolidImage(64, 64, TileColour(9)));
    av->Picture17_MouseUp(1, 1, 0, 0, 0);
    EXPECT_EQ(Ticks(1), (std::vector<F>{{9, 9, 9, 9}}));
}

TEST(AnimationArt, FilmStripJoinsWithoutASeam)
{
    const QImage strip = artwork::FilmStrip();
    ASSERT_EQ(strip.size(), QSize(352, 21));
    EXPECT_EQ(strip.pixel(0, 0), qRgb(0, 0, 0));
    bool holes = false;
    for (int x = 0; x < strip.width(); ++x) {
        // Two bars 350 pixels apart repeat the same pattern.
        if (x + 350 < strip.width())
            EXPECT_EQ(strip.pixel(x, 10), strip.pixel(x + 350, 10));
        EXPECT_EQ(strip.pixel(x, 10), strip.pixel(x % artwork::kFilmStripPeriod, 10));
        holes = holes || strip.pixel(x, 10) != qRgb(0, 0, 0);
        EXPECT_EQ(strip.pixel(x, 0), qRgb(0, 0, 0));
        EXPECT_EQ(strip.pixel(x, 20), qRgb(0, 0, 0));
    }
    EXPECT_TRUE(holes);
    EXPECT_EQ(350 % artwork::kFilmStripPeriod, 0);
}
