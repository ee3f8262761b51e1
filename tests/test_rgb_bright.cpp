// The RGB/Bright tab: exact tinted pixels, recomputation from the untouched
// source, the brightness bar, typed percentages and writing back to a layer.
#include <vector>

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "harness.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/ghosting.h"
#include "layer_tools/rgb_bright.h"
#include "platform/controls.h"
#include "platform/tab_control.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"

namespace {

struct RgbBrightTest : FormFixture {
    RgbBright* tab = nullptr;
    std::vector<std::vector<int>> runs; // R, G, B as each recomputation saw them
    // Tinted by hand in each test: 101 at 150 % gives 152 (151.5 to even),
    // 64 at 120 % gives 77, 200 at 150 % gives 255 (300 clamped).
    QImage source = QuadrantImage(RGB(101, 5, 15), RGB(25, 200, 90), RGB(200, 128, 64), RGB(0, 1, 255));

    void SetUp() override
    {
        FormFixture::SetUp();
        tab = form->rgbBright.get();
        // Picture6 is replaced by every load and every recomputation.
        tab->Picture6->onChange = [this] { runs.push_back({tab->R->Value(), tab->G->Value(), tab->B->Value()}); };
        form->layers->Image1->setPicture(source);
    }
    std::vector<QString> Boxes() const { return {tab->Text5->Text(), tab->Text6->Text(), tab->Text7->Text()}; }
};

} // namespace

TEST_F(RgbBrightTest, LoadingCopiesTheLayerAndPutsTheSlidersBackTo100)
{
    EXPECT_EQ(Boxes(), (std::vector<QString>{"", "", ""}));
    tab->Command16_Click();
    EXPECT_EQ(tab->Picture5->Image(), source);
    EXPECT_EQ(tab->Picture6->Image(), source);
    EXPECT_EQ(runs.size(), 1u); // the copy only: every slider already at 100
    EXPECT_EQ(Boxes(), (std::vector<QString>{"", "", ""}));

    // Away from 100, a load of layer B recomputes once per slider it moves back.
    const QImage b = PatternImage(64, 64, 40);
    form->layers->Image2->setPicture(b);
    tab->tint->setValueFromCode(120);
    runs.clear();
    tab->Command17_Click();
    EXPECT_EQ(runs.size(), 4u); // the copy, then R, G, B set back by the brightness bar
    EXPECT_EQ(tab->Picture6->Image(), b);
    EXPECT_EQ(Boxes(), (std::vector<QString>{"100%", "100%", "100%"}));
    EXPECT_EQ(tab->tint->Value(), 100);
}

TEST_F(RgbBrightTest, BrightnessSetsRedGreenBlueInTurnAndTintsNeverCompound)
{
    tab->Command16_Click();
    runs.clear();
    tab->tint->setValueFromCode(120);
    EXPECT_EQ(runs, (std::vector<std::vector<int>>{{120, 100, 100}, {120, 120, 100}, {120, 120, 120}}));
    EXPECT_EQ(Boxes(), (std::vector<QString>{"120%", "120%", "120%"}));
    EXPECT_EQ(tab->Picture6->Image(),
              QuadrantImage(RGB(121, 6, 18), RGB(30, 240, 108), RGB(240, 154, 77), RGB(0, 1, 255)));

    tab->R->setValueFromCode(80);
    EXPECT_EQ(Boxes(), (std::vector<QString>{"80%", "120%", "120%"}));
    EXPECT_EQ(tab->tint->Value(), 120);

    // Every setting starts again from the untinted copy.
    tab->R->setValueFromCode(0);
    tab->G->setValueFromCode(200);
    tab->B->setValueFromCode(35);
    EXPECT_EQ(tab->Picture6->Image(), QuadrantImage(RGB(0, 10, 5), RGB(0, 255, 31), RGB(0, 255, 22), RGB(0, 2, 89)));
    form->layers->Image1->setPicture(SolidImage(64, 64, 0)); // the tab keeps its own copy
    tab->Command27_Click();
    EXPECT_EQ(tab->Picture6->Image(), source);
    EXPECT_EQ(Boxes(), (std::vector<QString>{"100%", "100%", "100%"}));
    EXPECT_EQ(tab->tint->Value(), 100);
}

TEST_F(RgbBrightTest, TypedPercentagesApplyOnLeavingTheBoxOrAreIgnored)
{
    tab->Command16_Click();
    auto type = [](TextBox* box, const char* text) { box->setTextValue(QString::fromLatin1(text)); };
    type(tab->Text5, "100"); // unchanged value: nothing runs, the text stays as typed
    tab->Text5_LostFocus();
    EXPECT_EQ(tab->Text5->Text(), "100");
    EXPECT_EQ(runs.size(), 1u);

    type(tab->Text5, " 150%");
    tab->Text5_LostFocus();
    EXPECT_EQ(tab->R->Value(), 150);
    EXPECT_EQ(Boxes(), (std::vector<QString>{"150%", "100%", "100%"}));
    EXPECT_EQ(tab->Picture6->Image(),
              QuadrantImage(RGB(152, 5, 15), RGB(38, 200, 90), RGB(255, 128, 64), RGB(0, 1, 255)));

    for (const char* bad : {"250", "-1", "200.6", "99999999999"}) {
        type(tab->Text6, bad);
        tab->Text6_LostFocus();
        EXPECT_EQ(tab->G->Value(), 100) << bad;
        EXPECT_EQ(tab->Text6->Text(), bad);
    }
    type(tab->Text7, "12.5");
    tab->Text7_LostFocus();
    EXPECT_EQ(tab->B->Value(), 12);
    type(tab->Text7, "newload");
    tab->Text7_LostFocus();
    EXPECT_EQ(tab->B->Value(), 0);
    EXPECT_EQ(tab->Picture6->Image(), QuadrantImage(RGB(152, 5, 0), RGB(38, 200, 0), RGB(255, 128, 0), RGB(0, 1, 0)));

    // The real focus moving from one box to another applies the first.
    form->SSTab1->setTab(2);
    form->show();
    QApplication::setActiveWindow(form.get());
    tab->Text6->setFocus();
    type(tab->Text6, "60");
    tab->Text7->setFocus();
    EXPECT_EQ(tab->G->Value(), 60);

    // A click on a button takes the focus first, so the typed number counts
    // before the button acts: the load and reset buttons, then "A" (set).
    auto typeInto = [](TextBox* box, const char* text) {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::fromLatin1(text));
    };
    for (CommandButton* button : {tab->Command16, tab->Command27}) {
        typeInto(tab->Text7, "30");
        runs.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_FALSE(runs.empty()) << button->objectName().toStdString();
        EXPECT_EQ(runs.front()[2], 30);
        EXPECT_EQ(tab->B->Value(), 100);
    }
    typeInto(tab->Text5, "150");
    QTest::mouseClick(tab->Command26, Qt::LeftButton);
    EXPECT_EQ(tab->R->Value(), 150);
    EXPECT_EQ(tab->Text5->Text(), "150%");
    EXPECT_EQ(form->layers->Image1->Image(),
              QuadrantImage(RGB(152, 5, 15), RGB(38, 200, 90), RGB(255, 128, 64), RGB(0, 1, 255)));

    // Alt alone goes to the menu bar and Escape comes back, Return does
    // nothing: the box is left only by Tab, which applies 50, not 5 or 100.
    form->layers->Image1->setPicture(source);
    tab->Command16_Click();
    typeInto(tab->Text5, "5");
    QTest::keyClick(tab->Text5, Qt::Key_Alt);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(tab->R->Value(), 100);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(tab->R->Value(), 100);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::mouseClick(tab->Command26, Qt::LeftButton);
    const QImage half = QuadrantImage(RGB(50, 5, 15), RGB(12, 200, 90), RGB(100, 128, 64), RGB(0, 1, 255));
    EXPECT_EQ(form->layers->Image1->Image(), half);

    // A press on a picture takes the focus too: 50 typed and a pick from the
    // left bin tint the preview at that very press.
    form->layers->Image1->setPicture(source);
    tab->Command16_Click();
    typeInto(tab->Text5, "50");
    QTest::mousePress(form->bins->Picture1, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(tab->R->Value(), 50);
    EXPECT_EQ(tab->Picture6->Image(), half);
    QTest::mouseRelease(form->bins->Picture1, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
}

TEST_F(RgbBrightTest, SetButtonsReplaceTheLayerAndRunItsCascade)
{
    form->ghosting->Slider1->setValueFromCode(0); // the blend shows layer B alone
    tab->Command16_Click();
    tab->tint->setValueFromCode(150);
    const QImage tinted = tab->Picture6->Image();

    tab->Command25_Click();
    EXPECT_EQ(form->layers->Image2->Image(), tinted);
    EXPECT_EQ(form->colorKeying->Ckey3->Image(), tinted);
    EXPECT_EQ(form->ghosting->Picture11->Image(), tinted); // recomputed from the new layer B

    tab->R->setValueFromCode(10);
    tab->Command26_Click();
    EXPECT_EQ(form->layers->Image1->Image(),
              QuadrantImage(RGB(10, 8, 22), RGB(2, 255, 135), RGB(20, 192, 96), RGB(0, 2, 255)));
    EXPECT_EQ(form->colorKeying->Ckey1->Image(), form->layers->Image1->Image());
    EXPECT_EQ(tab->Picture5->Image(), source); // the tab's own state stays
    EXPECT_EQ(tab->R->Value(), 10);
}
