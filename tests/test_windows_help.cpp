// The Help menu's windows: splash, about, read-me, filter help and the
// more-filters message.
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "artwork/windows_art.h"
#include "harness.h"
#include "platform/controls.h"
#include "windows/about_window.h"
#include "windows/filter_help_window.h"
#include "windows/read_me_window.h"
#include "windows/splash_window.h"

namespace {

struct HelpWindows : FormFixture {
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <class W> int CountOpen() const
    {
        int n = 0;
        for (QObject* o : form->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisible() && dynamic_cast<W*>(w))
                ++n;
        return n;
    }
};

// Where a test sees what a closed window left behind.
void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

TEST_F(HelpWindows, AboutBoxExistsOnceAndOkClosesIt)
{
    form->about_Click();
    QPointer<Form3> about = form->form3;
    ASSERT_TRUE(about);
    form->about_Click();
    EXPECT_EQ(form->form3, about);
    EXPECT_EQ(CountOpen<Form3>(), 1);
    EXPECT_EQ(about->windowTitle(), "About Glimmerdeck:");
    EXPECT_EQ(about->size(), QSize(419, 214));
    EXPECT_EQ(about->Label1->text(), "Glimmerdeck is a product of ");
    EXPECT_EQ(about->Image2->Image().size(), QSize(406, 137));
    EXPECT_TRUE(about->Label5->text().startsWith("Visit Glimmerdeck home and download many other tools at http"));
    EXPECT_FALSE(about->rect().intersects(about->Label5->geometry()));

    about->Command1_Click();
    EXPECT_FALSE(about->isVisible());
    Flush();
    EXPECT_FALSE(about);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(HelpWindows, ReadMeOpensFromMenuAndToolbarAndForgetsEditsWhenClosed)
{
    form->ToolPick_Click(13);
    QPointer<Form4> readme = form->form4;
    ASSERT_TRUE(readme);
    EXPECT_FALSE(form->form3);
    EXPECT_EQ(readme->windowTitle(), "Read Me");
    const QString text = readme->Text1->toPlainText();
    EXPECT_EQ(text, ReadMeText());
    EXPECT_TRUE(text.startsWith("Glimmerdeck\nBy Quenmoor\n"));
    for (const char* part : {".tga", "File : open", "Pixel Editing", "Color Key", "RGB/Bright", "Ghosting",
                             "1/4 Tiles", "Import/Export menu", "That's about it - happy texture editing!",
                             "-Quenmoor"})
        EXPECT_TRUE(text.contains(part)) << part;
    EXPECT_GT(text.size(), 2000);
    EXPECT_FALSE(readme->Text1->isReadOnly());
    EXPECT_EQ(readme->Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // Tab and Shift+Tab move the focus on and back; the text takes no tab.
    QApplication::setActiveWindow(readme);
    readme->Text1->setFocus();
    QTest::keyClick(readme->Text1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), readme->Command1);
    QTest::keyClick(readme->Command1, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), readme->Text1);
    EXPECT_EQ(readme->Text1->toPlainText(), text);

    form->readme_Click();
    EXPECT_EQ(form->form4, readme);
    readme->Text1->setPlainText("scribbled over");
    readme->Command1_Click();
    Flush();
    EXPECT_FALSE(readme);
    form->readme_Click();
    ASSERT_TRUE(form->form4);
    EXPECT_EQ(form->form4->Text1->toPlainText(), ReadMeText());
    EXPECT_EQ(form->form4->Lines.size(), 11u);

    // Clipboard data with no text (no formats at all) is ignored by a paste,
    // here and in a one-line box; text still pastes.
    QPlainTextEdit* box = form->form4->Text1;
    TextBox line(nullptr, "line", QRect(0, 0, 80, 20), "kept");
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(&line, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->toPlainText(), ReadMeText());
    EXPECT_EQ(line.Text(), "kept");
    QGuiApplication::clipboard()->setText("pasted ");
    box->moveCursor(QTextCursor::Start);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(box->toPlainText().startsWith("pasted Glimmerdeck"));
}

TEST_F(HelpWindows, FilterHelpIsReadOnlyAndMoreFiltersIsOneMessage)
{
    form->createplugin_Click();
    Form8* help = form->form8;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "How to create your own filters:");
    EXPECT_EQ(help->size(), QSize(527, 484));
    EXPECT_TRUE(help->Text1->isReadOnly());
    const QString text = help->Text1->toPlainText();
    EXPECT_TRUE(text.startsWith("Filters are composed of two files: a filter instruction file and a filter bitmap."));
    for (const char* part : {"64 x 64", ".fil", ".txt", "title", "author", "without the .bmp ending",
                             "Enjoy making custom filters!", "-Quenmoor"})
        EXPECT_TRUE(text.contains(part)) << part;
    // The help says the three lines in the order the filter reader takes them.
    EXPECT_LT(text.indexOf("line 1: the filter's title"), text.indexOf("line 2: the author"));
    EXPECT_LT(text.indexOf("line 2: the author"), text.indexOf("line 3: the name of the bitmap"));

    form->wheremorefilters_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const auto& msg = dialogs.shown[0];
    EXPECT_TRUE(msg.text.startsWith("Visit http"));
    EXPECT_TRUE(msg.text.contains(" for more custom filter packs. Email your own custom filters to "));
    EXPECT_TRUE(msg.text.endsWith("@marrowgate.example in a zip folder so they can be added to the site."));
    EXPECT_EQ(msg.buttons, MsgButtons::OK);
    EXPECT_EQ(msg.title, "Glimmerdeck");
    help->Command1_Click();
    EXPECT_FALSE(help->isVisible());
}

TEST_F(HelpWindows, SplashStaysOnTopAndClosesByTimerOrClickBringingTheMainWindowForward)
{
    form->hide();
    form->splash_Click();
    QPointer<frmSplash> splash = form->splashWindow;
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(form->isVisible()); // the load step shows the main window
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->size(), QSize(617, 305));
    EXPECT_EQ(splash->Image1->Image().size(), QSize(619, 305));
    EXPECT_EQ(splash->lblCompany->text(), "Marrowgate presents");
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_EQ(splash->Timer1->Interval(), 2000);

    // Choosing it again while open keeps one splash.
    form->splash_Click();
    EXPECT_EQ(form->splashWindow, splash);

    form->hide();
    splash->Timer1_Timer();
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->Timer1->isActive());
    EXPECT_TRUE(form->isVisible());
    Flush();
    EXPECT_FALSE(splash);

    form->splash_Click();
    splash = form->splashWindow;
    ASSERT_TRUE(splash);
    form->hide();
    splash->Image1->onClick();
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(form->isVisible());
}

TEST(WindowsArtwork, PicturesHaveTheirSizesAndAreOpaque)
{
    const std::vector<std::pair<QImage, QSize>> pictures{{artwork::SplashPicture(), {619, 305}},
                                                         {artwork::AboutPicture(), {406, 137}},
                                                         {artwork::TipIcon(), {32, 32}},
                                                         {artwork::TileWindowIcon(), {32, 32}}};
    for (const auto& [img, size] : pictures) {
        EXPECT_EQ(img.size(), size);
        EXPECT_EQ(img.format(), QImage::Format_RGB32);
        bool opaque = true;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                opaque = opaque && qAlpha(img.pixel(x, y)) == 255;
        EXPECT_TRUE(opaque);
    }
    // The light grey line of the splash stands on a dark corner; the about
    // box's label stands on black.
    const QImage splash = artwork::SplashPicture();
    for (int y = 2; y < 17; ++y)
        for (int x = 7; x < 231; ++x)
            ASSERT_LT(qGray(splash.pixel(x, y)), 90) << x << "," << y;
    const QImage about = artwork::AboutPicture();
    for (int y = 0; y < 8; ++y)
        for (int x = 7; x < 260; ++x)
            ASSERT_EQ(about.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
}
