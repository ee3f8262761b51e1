// The tip of the day: the tip file, the random choice, the start-up setting
// and the window's buttons.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "core/tip_file.h"
#include "harness.h"
#include "platform/controls.h"
#include "windows/tip_of_day.h"

namespace {

QString StoredSetting()
{
    return SettingsStore::GetSetting(tips::SettingsAppName(), tips::kSection, tips::kKey, QStringLiteral("<none>"));
}

// A program folder and a settings store of the test's own.
struct TipWindow : ::testing::Test {
    TempProgramFolder folder;
    TempSettingsStore store;
    ScriptedDialogs dialogs;

    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void WriteTips(const QByteArray& bytes) { WriteBytes(folder.file("TIPOFDAY.TXT"), bytes); }
    void Store(const QString& v) { SettingsStore::SaveSetting(tips::SettingsAppName(), tips::kSection, tips::kKey, v); }
    // A main window whose start-up opens the real tip window.
    std::unique_ptr<Form1> StartProgram()
    {
        auto form = std::make_unique<Form1>(dialogs);
        form->Form_Load();
        return form;
    }
};

} // namespace

TEST_F(TipWindow, StartWithoutAStoredSettingShowsATipAndStoresOne)
{
    WriteTips("Only tip\r\n");
    ASSERT_EQ(StoredSetting(), "<none>");
    auto form = StartProgram();
    ASSERT_TRUE(form->tipWindow);
    frmTip* tip = form->tipWindow;
    EXPECT_TRUE(tip->isVisible());
    EXPECT_TRUE(tip->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(tip->windowTitle(), "Tip of the Day");
    EXPECT_EQ(tip->chkLoadTipsAtStartup->Value(), 1);
    EXPECT_EQ(StoredSetting(), "1");
    EXPECT_EQ(tip->lblTipText->text(), "Only tip");
    EXPECT_TRUE(dialogs.shown.empty());

    // A one-line file shows that line after every "Next Tip".
    for (int i = 0; i < 5; ++i) {
        tip->cmdNextTip_Click();
        EXPECT_EQ(tip->lblTipText->text(), "Only tip");
    }

    // The box writes the setting at once, both ways.
    tip->chkLoadTipsAtStartup->click();
    EXPECT_EQ(StoredSetting(), "0");
    tip->chkLoadTipsAtStartup->click();
    EXPECT_EQ(StoredSetting(), "1");
    tip->chkLoadTipsAtStartup->click();

    tip->cmdOK_Click();
    EXPECT_FALSE(tip->isVisible());
}

TEST_F(TipWindow, TipsSwitchedOffOpenNothingAndSayNothing)
{
    WriteTips("A tip\n");
    Store("0");
    auto form = StartProgram();
    EXPECT_FALSE(form->tipWindow);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(StoredSetting(), "0");
    EXPECT_TRUE(form->isVisible());
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(dynamic_cast<frmTip*>(w), nullptr);

    // A stored text that is no number counts as the default: tips on.
    Store("maybe");
    auto again = StartProgram();
    ASSERT_TRUE(again->tipWindow);
    EXPECT_EQ(StoredSetting(), "1");
}

TEST_F(TipWindow, MissingEmptyHugeOrUnreadableTipFilesExplainThemselvesStayBlankOrShowCut)
{
    {
        frmTip tip;
        ASSERT_TRUE(tip.Form_Load());
        EXPECT_EQ(tip.lblTipText->text(),
                  "That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named TIPOFDAY.TXT using "
                  "NotePad with 1 tip per line. Then place it in the same directory as the application. ");
        tip.cmdNextTip_Click();
        EXPECT_TRUE(tip.lblTipText->text().startsWith("That the TIPOFDAY.TXT"));
        EXPECT_EQ(tip.TipIndex, 1);
        EXPECT_FALSE(tip.LoadTips(""));
    }
    {
        WriteTips("");
        frmTip tip;
        ASSERT_TRUE(tip.Form_Load());
        EXPECT_EQ(tip.lblTipText->text(), "");
        tip.cmdNextTip_Click();
        EXPECT_EQ(tip.lblTipText->text(), "");
        EXPECT_EQ(tip.TipIndex, 1);
    }
    {
        // A file of 300 MB in one line opens the window at once, its tip cut.
        WriteTips("Start of a long tip");
        ASSERT_TRUE(QFile::resize(folder.file("TIPOFDAY.TXT"), qint64(300) << 20));
        frmTip tip;
        ASSERT_TRUE(tip.Form_Load());
        EXPECT_EQ(tip.lblTipText->text().size(), tips::kMaxTipLine);
        EXPECT_TRUE(tip.lblTipText->text().startsWith("Start of a long tip"));
    }
    {
        // A folder of that name is no tip file.
        QFile::remove(folder.file("TIPOFDAY.TXT"));
        QDir(folder.dir.path()).mkdir("TIPOFDAY.TXT");
        frmTip tip;
        ASSERT_TRUE(tip.Form_Load());
        EXPECT_TRUE(tip.lblTipText->text().startsWith("That the TIPOFDAY.TXT file was not found?"));
        QDir(folder.dir.path()).rmdir("TIPOFDAY.TXT");
    }
    {
        // Nor is a pipe, which is never opened: that would wait for a writer.
        ASSERT_EQ(mkfifo(folder.file("TIPOFDAY.TXT").toLocal8Bit().constData(), 0600), 0);
        frmTip tip;
        ASSERT_TRUE(tip.Form_Load());
        EXPECT_EQ(tip.lblTipText->text(), tips::UnreadableText());
        QFile::remove(folder.file("TIPOFDAY.TXT"));
    }
    if (geteuid() != 0) {
        WriteTips("secret\n");
        ASSERT_EQ(chmod(folder.file("TIPOFDAY.TXT").toLocal8Bit().constData(), 0), 0);
        frmTip tip;
        ASSERT_TRUE(tip.Form_Load());
        EXPECT_EQ(tip.lblTipText->text(), tips::UnreadableText());
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TipWindow, NextTipDrawsFromTheWholeListWithRepeatsAndShowsTipsAsPlainText)
{
    WriteTips("first\n\n<b>third</b> & more\n");
    frmTip tip;
    std::vector<float> draws{0.0f, 0.5f, 0.9f, 0.4f};
    size_t next = 0;
    tip.Rnd = [&] { return draws[next++ % draws.size()]; };
    ASSERT_TRUE(tip.Form_Load());
    EXPECT_EQ(tip.TipList, QStringList({"first", "", "<b>third</b> & more"}));
    EXPECT_EQ(tip.lblTipText->text(), "first");
    tip.cmdNextTip_Click();
    EXPECT_EQ(tip.TipIndex, 2);
    EXPECT_EQ(tip.lblTipText->text(), ""); // an empty line is an empty tip
    tip.cmdNextTip_Click();
    EXPECT_EQ(tip.lblTipText->text(), "<b>third</b> & more");
    EXPECT_EQ(tip.lblTipText->textFormat(), Qt::PlainText);
    tip.cmdNextTip_Click();
    EXPECT_EQ(tip.TipIndex, 2);
    // Its access key clicks Next Tip and moves the focus to it.
    tip.show();
    QApplication::setActiveWindow(&tip);
    tip.cmdOK->setFocus();
    QTest::keyClick(&tip, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), tip.cmdNextTip);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip.TipIndex == 1; }, 2000)); // the button shows itself pressed first

    // The window's own source: every tip turns up, and sometimes twice in a row.
    frmTip seeded;
    ASSERT_TRUE(seeded.Form_Load());
    seeded.Randomize(12345);
    std::array<int, 4> seen{};
    int repeats = 0;
    for (int i = 0, last = -1; i < 300; ++i) {
        seeded.cmdNextTip_Click();
        ASSERT_GE(seeded.TipIndex, 1);
        ASSERT_LE(seeded.TipIndex, 3);
        ++seen[static_cast<size_t>(seeded.TipIndex)];
        repeats += seeded.TipIndex == last;
        last = seeded.TipIndex;
    }
    EXPECT_GT(seen[1], 50);
    EXPECT_GT(seen[2], 50);
    EXPECT_GT(seen[3], 50);
    EXPECT_GT(repeats, 0);
}

TEST_F(TipWindow, OkEnterAndEscCloseTheWindow)
{
    WriteTips("a\nb\n");
    QPointer<frmTip> slot;
    for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
        frmTip* tip = frmTip::Open(slot, nullptr);
        ASSERT_NE(tip, nullptr);
        EXPECT_TRUE(tip->cmdOK->isDefault());
        tip->cmdOK->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(tip, &press);
        EXPECT_FALSE(tip->isVisible()) << key;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(slot) << key;
    }
}

TEST(ShippedTipFile, HoldsTipsThatFitTheirLabel)
{
    const tips::TipFile file = tips::ReadTipFile(QStringLiteral(GLIMMERDECK_DATA_DIR "/TIPOFDAY.TXT"));
    ASSERT_EQ(file.state, tips::TipFileState::Read);
    ASSERT_GE(file.lines.size(), 10);
    frmTip tip;
    const QFontMetrics fm(tip.lblTipText->font());
    for (const QString& line : file.lines) {
        EXPECT_FALSE(line.trimmed().isEmpty());
        const QRect need = fm.boundingRect(QRect(0, 0, 217, 1000), Qt::TextWordWrap, line);
        EXPECT_LE(need.height(), 109) << line.toStdString();
    }
}
