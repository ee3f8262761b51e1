#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "harness.h"
#include "pixel_editor/editing_surface.h"
#include "pixel_editor/editing_tools.h"
#include "pixel_editor/pixel_editor.h"
#include "pixel_editor/selection_actions.h"
#include "pixel_editor/spray_palette.h"
#include "pixel_editor/tool_panel.h"
#include "platform/controls.h"
#include "layer_tools/rgb_bright.h"
#include "platform/file_list.h"
#include "platform/program_end.h"
#include "platform/tab_control.h"
#include "texture_set/bins.h"
#include "texture_set/selector_chooser.h"
#include "windows/tile_window.h"
#include "windows/tip_of_day.h"

using MainWindow = FormFixture;

namespace {

// Waits at most a second for the child pid to end; its wait status, or -1
// when it still runs (it is then killed).
int EndsWithinASecond(pid_t pid)
{
    int status = 0;
    for (int ms = 0; waitpid(pid, &status, WNOHANG) == 0; ms += 2) {
        if (ms > 1000) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        usleep(2000);
    }
    return status;
}

// The program itself, started from a link to it in folder (which has no
// Filters folder; the configuration is the test run's temporary one), with
// the end signals as a terminal leaves them. Returns once the start-up
// message waits for an answer: the three handlers are set and the program
// sleeps in the message's loop.
pid_t StartAtTheFiltersMessage(const QString& folder)
{
    const QByteArray program = QFile::encodeName(folder + "/glimmerdeck");
    if (link(GLIMMERDECK_PROGRAM, program.constData()) != 0 && !QFile::copy(GLIMMERDECK_PROGRAM, program))
        return -1;
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t ends, none;
    sigemptyset(&none);
    sigemptyset(&ends);
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&ends, s);
    posix_spawnattr_setsigdefault(&attr, &ends);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t pid = -1;
    const bool spawned = posix_spawn(&pid, program.constData(), nullptr, &attr, argv, environ) == 0;
    posix_spawnattr_destroy(&attr);
    const QRegularExpression line(QStringLiteral("State:\\s+(\\S).*SigCgt:\\s+([0-9a-f]+)"),
                                  QRegularExpression::DotMatchesEverythingOption);
    const qulonglong handled = (1ull << (SIGTERM - 1)) | (1ull << (SIGINT - 1)) | (1ull << (SIGHUP - 1));
    for (int ms = 0; spawned && ms < 20000; ms += 5) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            break;
        const QRegularExpressionMatch m = line.match(QString::fromLatin1(status.readAll()));
        if (m.captured(1) == "S" && (m.captured(2).toULongLong(nullptr, 16) & handled) == handled)
            break;
        usleep(5000);
    }
    return spawned ? pid : -1;
}

// Sends to w what the X server sends for a key held down past its repeat
// delay and let go: a press (unless another window took it), repeats Qt found
// to be repeats, one repeat that came as an unmarked release and press of one
// time, and the release. time is the window system's clock in milliseconds.
void HoldKey(QWidget* w, Qt::Key key, unsigned long& time, bool pressHere = true)
{
    const auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent e(type, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier,
                    key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r"), repeat);
        e.setTimestamp(time);
        QCoreApplication::sendEvent(w, &e);
    };
    time += 100;
    if (pressHere)
        send(QEvent::KeyPress, false);
    for (bool marked : {true, true, false, true}) {
        time += 40;
        send(QEvent::KeyRelease, marked);
        send(QEvent::KeyPress, marked);
    }
    time += 40;
    send(QEvent::KeyRelease, false);
}

} // namespace

TEST_F(MainWindow, StartsWithItsCaptionClientAreaPanelAndTabs)
{
    form->Form_Load();
    EXPECT_EQ(form->windowTitle(), "Glimmerdeck - Version 1.8");
    EXPECT_EQ(form->client->size(), QSize(1016, 703));
    EXPECT_EQ(form->Frame1->geometry(), QRect(256, 0, 771, 708));
    EXPECT_EQ(form->client->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(form->Frame1->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->pixelEditor->DrawEnabled);
    EXPECT_FALSE(form->pixelEditor->SelectMode);

    const QStringList captions{"Pixel Editing", "Color Keying", "RGB/Bright", "Ghosting",
                               "1/4 Tiles", "Filter / Rotate", "Animation viewer"};
    ASSERT_EQ(form->SSTab1->Tabs(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(form->SSTab1->TabCaption(i), captions[i]);
    EXPECT_EQ(form->SSTab1->Tab(), 0);
    EXPECT_EQ(form->Image10->Left(), 21);
    EXPECT_EQ(dialogs.shown.size(), 0u);
    EXPECT_EQ(tipsOpened, 1);
}

TEST_F(MainWindow, MenuTreeHasEveryItemWithItsCaption)
{
    const std::vector<std::pair<const char*, const char*>> items{
        {"savetexset", "Save Texture Set"}, {"loadtexset", "Load Texture Set"}, {"quit", "Quit"},
        {"lefttoright", "Set Left bin to Right"}, {"setrighttoleft", "Set Right bin to Left"},
        {"flip", "Flip"}, {"leftbin", "Left Bin"}, {"rightbin", "Right Bin"},
        {"pixeledit", "Pixel Edit"}, {"colorkey", "Color Key"}, {"rgbedit", "Adjust RGB values"},
        {"ghost", "Alpha ghosting"}, {"smalltiles", "1/4 Size tiles"}, {"filter", "Filter / Rotate"},
        {"animview", "Animation viewer"}, {"imprtlayer", "Import a tile to a layer"},
        {"exbit", "Export a tile to a bitmap"}, {"about", "About"}, {"splash", "Splash"},
        {"readme", "Read Me"}, {"plugins", "Filters"}, {"createplugin", "How do I create a filter?"},
        {"wheremorefilters", "Where can I find more filters?"}, {"chsselect", "Choose Selector"}};
    for (auto [name, caption] : items) {
        QAction* a = form->menuItem(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), caption) << name;
        EXPECT_TRUE(a->isEnabled());
        EXPECT_TRUE(a->shortcut().isEmpty());
    }
    QStringList menus;
    for (QAction* a : form->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"File", "Bin", "Texture", "Help"}));
}

TEST_F(MainWindow, EveryToolbarButtonRunsItsMenuItem)
{
    const QStringList tips{"Pixel Edit", "Color Key", "RGB Edit", "Alpha Ghosting", "Reduce to 1/4 Tiles",
                           "Rotate / Filter", "Animation Viewer", "Set Right bin to Left",
                           "Set Left bin to Right", "Import BMP", "Export BMP", "Load", "Save", "Help"};
    const QStringList items{"pixeledit", "colorkey", "rgbedit", "ghost", "smalltiles", "filter", "animview",
                            "setrighttoleft", "lefttoright", "imprtlayer", "exbit", "loadtexset",
                            "savetexset", "readme"};
    for (int i = 0; i < Form1::kToolCount; ++i) {
        EXPECT_EQ(form->ToolPick[i]->toolTip(), tips[i]);
        EXPECT_EQ(form->ToolPick[i]->Top(), 105);
        int fired = 0;
        QAction* a = form->menuItem(items[i]);
        ASSERT_NE(a, nullptr);
        auto c = QObject::connect(a, &QAction::triggered, [&] { ++fired; });
        // A real double click runs it once: its second press is no click.
        QTest::mouseClick(form->ToolPick[i], Qt::LeftButton);
        QTest::mouseDClick(form->ToolPick[i], Qt::LeftButton);
        QTest::mouseRelease(form->ToolPick[i], Qt::LeftButton);
        QObject::disconnect(c);
        EXPECT_EQ(fired, 1) << "button " << i;
        if (i <= 6)
            EXPECT_EQ(form->SSTab1->Tab(), i);
    }
    // Help is the read-me, not the about window.
    EXPECT_EQ(Form1::ToolPickItem(13), "readme");
}

TEST_F(MainWindow, TabItemsSelectTheirTabAndTheMarkerFollowsTheHoveredButton)
{
    form->menuItem("animview")->trigger();
    EXPECT_EQ(form->SSTab1->Tab(), 6);
    form->menuItem("ghost")->trigger();
    form->menuItem("ghost")->trigger();
    EXPECT_EQ(form->SSTab1->Tab(), 3);
    form->pixeledit_Click();
    EXPECT_EQ(form->SSTab1->Tab(), 0);
    // The wheel over the captions changes no tab.
    auto* captions = form->SSTab1->findChild<QTabBar*>();
    QWheelEvent wheel(QPointF(20, 5), captions->mapToGlobal(QPointF(20, 5)), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(captions, &wheel);
    EXPECT_EQ(form->SSTab1->Tab(), 0);

    // Ctrl+Tab and Ctrl+PageDown go on, Ctrl+Shift+Tab and Ctrl+PageUp go
    // back, round the row, from any control of the window.
    form->show();
    QApplication::setActiveWindow(form.get());
    form->pixelEditor->surface->PixEditPic->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(form->SSTab1->Tab(), 6);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(form->SSTab1->Tab(), 0);
    form->SSTab1->setTab(2);
    form->rgbBright->Text5->setFocus();
    QTest::keyClick(form->rgbBright->Text5, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->SSTab1->Tab(), 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->SSTab1->Tab(), 1);
    form->SSTab1->setTab(5);
    form->File1->setFocus();
    QTest::keyClick(form->File1, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->SSTab1->Tab(), 6);
    form->SSTab1->setTab(1);
    // The focused caption row marks its current caption.
    captions->setFocus();
    const QImage marked = captions->grab().toImage();
    form->rgbBright->Text5->setFocus();
    EXPECT_NE(captions->grab().toImage(), marked);
    // So does a focused command button, plain or under a style sheet: a
    // dotted frame in its text colour.
    for (QPushButton* b : std::initializer_list<QPushButton*>{form->rgbBright->Command16, form->bins->Command3}) {
        const QImage idle = b->grab().toImage();
        b->setFocus();
        const QImage focused = b->grab().toImage();
        form->rgbBright->Text5->setFocus();
        int framed = 0;
        for (int y = 0; y < idle.height(); ++y)
            for (int x = 0; x < idle.width(); ++x)
                framed += focused.pixel(x, y) != idle.pixel(x, y) &&
                          focused.pixelColor(x, y) == b->palette().color(QPalette::ButtonText);
        EXPECT_GT(framed, b->width() / 2) << b->objectName().toStdString();
    }

    form->ToolPick_MouseMove(3, 0, 0, 5, 5);
    EXPECT_EQ(form->Image10->Left(), 105);
    form->ToolPick_MouseMove(13, 0, 0, 5, 5);
    EXPECT_EQ(form->Image10->Left(), 441);
}

TEST_F(MainWindow, EveryTabKeepsItsControlsBelowTheCaptionsAndOnThePage)
{
    // What the pixel editor shows on demand counts too: the rulers, the
    // selection list and the open tool panel.
    PixelEditor& ed = *form->pixelEditor;
    for (QWidget* w : std::initializer_list<QWidget*>{ed.tools->Image3, ed.tools->Image4, ed.selection->cutpaste,
                                                      ed.panel->Painttools})
        w->show();
    // "Current Color" stands right under the palette, as wide as it.
    const QRect palette = ed.spray->Picture3->geometry();
    EXPECT_EQ(ed.surface->Label3->geometry().topLeft(), palette.bottomLeft() + QPoint(0, 1));
    EXPECT_EQ(ed.surface->Label3->width(), palette.width());

    const QSize tab = form->SSTab1->size();
    const QRect free(0, TabControl::kCaptionHeight, tab.width(), tab.height() - TabControl::kCaptionHeight);
    for (int t = 0; t < form->SSTab1->Tabs(); ++t) {
        QWidget* page = form->SSTab1->page(t);
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
            // Backdrops and containers span the page's width down to its bottom.
            const bool backdrop = r.left() <= 0 && r.width() >= tab.width() && r.bottom() >= tab.height() - 1;
            if (w->isVisibleTo(page) && !backdrop)
                EXPECT_TRUE(free.contains(r)) << form->SSTab1->TabCaption(t).toStdString() << ": "
                                              << w->objectName().toStdString() << " at " << r.x() << "," << r.y()
                                              << " " << r.width() << "x" << r.height();
        }
    }
}

// Return and keypad Enter press the focused button of any window, as Space
// does, once per press: a key held down clicks once, whether its repeats come
// marked or as an unmarked release and press. It still types in a text box.
TEST_F(MainWindow, AHeldReturnEnterOrSpacePressesTheFocusedButtonOfEveryWindowOnce)
{
    form->Form_Load();
    form->imprtlayer_Click();
    frmTip tip;
    unsigned long time = 1000;
    const std::initializer_list<std::function<QAbstractButton*()>> buttons{
        [&] { return form->bins->Command3; }, [&] { return form->rgbBright->Command16; },
        [&] { return form->form5->Command3; },
        [&] { // its OK closes it for good
            form->chsselect_Click();
            return form->form7->Command1;
        },
        [&] { return tip.cmdNextTip; }};
    for (const auto& get : buttons)
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QAbstractButton* button = get();
            button->window()->show();
            QCoreApplication::processEvents(); // no window comes forward later
            QApplication::setActiveWindow(button->window());
            button->setFocus();
            int clicks = 0;
            const auto counting = QObject::connect(button, &QAbstractButton::clicked, [&] { ++clicks; });
            HoldKey(button, key, time);
            // Space clicks on its release, which waits a moment for a press
            // that would make it a repeat.
            EXPECT_TRUE(QTest::qWaitFor([&] { return clicks > 0; }, 2000));
            EXPECT_EQ(clicks, 1) << button->window()->objectName().toStdString() << " " << key;
            QObject::disconnect(counting);
        }
    QLineEdit* name = form->form5->Text1;
    name->window()->show();
    QApplication::setActiveWindow(name->window());
    name->setFocus();
    name->clear();
    HoldKey(name, Qt::Key_Space, time);
    EXPECT_EQ(name->text(), "     ");
}

// A question or message opened by a menu item chosen with Return takes no
// answer from that Return while it is held, also not from a repeat that came
// as an unmarked release and press. Pressed again, Return answers it (Yes).
TEST_F(MainWindow, AHeldReturnAnswersNoQuestionOrMessageItsMenuItemOpened)
{
    QtDialogs real;
    Form1 own(real);
    real.setParent(&own);
    own.show();
    QApplication::setActiveWindow(&own);
    unsigned long time = 1000;
    for (const char* item : {"lefttoright", "quit", "wheremorefilters"}) {
        bool openWhileHeld = false, answered = false;
        QTimer script;
        QObject::connect(&script, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->focusWidget())
                return;
            script.stop();
            HoldKey(box->focusWidget(), Qt::Key_Return, time, false);
            openWhileHeld = box->isVisible();
            QTest::keyClick(box->focusWidget(), Qt::Key_Return);
            answered = !box->isVisible();
            if (!answered)
                box->done(0); // never left waiting
        });
        script.start(5);
        QAction* action = own.menuItem(item);
        auto* menu = qobject_cast<QMenu*>(action->parent());
        menu->popup(QPoint(0, 0));
        menu->setActiveAction(action);
        QTest::keyPress(menu, Qt::Key_Return); // returns when the box has closed
        EXPECT_TRUE(openWhileHeld) << item;
        EXPECT_TRUE(answered) << item;
        EXPECT_EQ(ProgramEnding(), std::string(item) == "quit") << item;
        endsInTests.emplace(); // the program starts again
    }
    EXPECT_EQ(own.bins->CustomSetHeight(), own.bins->Picture1->Height());
}

// Alt alone and F10 make the menu bar active with its first title marked and
// no menu open; Escape or the same key again gives the focus back.
TEST_F(MainWindow, AltAndF10MarkTheFirstMenuTitleAndEscapeLeavesIt)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    QWidget* box = form->rgbBright->Text5;
    form->SSTab1->setTab(2);
    box->setFocus();
    QMenuBar* bar = form->menuBar();
    const QImage idle = bar->grab().toImage();
    for (int key : {Qt::Key_Alt, Qt::Key_F10}) {
        QTest::keyClick(box, Qt::Key(key));
        EXPECT_TRUE(bar->hasFocus()) << key;
        EXPECT_EQ(bar->activeAction(), bar->actions().value(0)) << key;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << key;
        EXPECT_NE(bar->grab().toImage(), idle) << key;
        QTest::keyClick(bar, key == Qt::Key_F10 ? Qt::Key_F10 : Qt::Key_Escape);
        EXPECT_EQ(QApplication::focusWidget(), box) << key;
        EXPECT_EQ(bar->grab().toImage(), idle) << key;
    }
}

TEST_F(MainWindow, QuitAsksAndOnlyYesEndsWhileTheCloseBoxEndsAtOnce)
{
    dialogs.answers = {MsgAnswer::No};
    form->quit_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Are you sure you want to quit?");
    EXPECT_EQ(dialogs.shown[0].title, "Glimmerdeck");
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(ProgramEnding());

    dialogs.answers = {MsgAnswer::Yes};
    form->quit_Click();
    EXPECT_TRUE(ProgramEnding());
    EXPECT_EQ(dialogs.shown.size(), 2u);

    endsInTests.emplace(); // the program starts again
    auto other = std::make_unique<Form1>(dialogs);
    other->show();
    other->close();
    EXPECT_TRUE(ProgramEnding());
    EXPECT_EQ(dialogs.shown.size(), 2u); // no question
}

// An end signal while a modal file dialog is open ends the program as Quit
// does: the dialog closes as cancelled, no dialog opens after it and the
// main loop does not start again. Each signal in a fresh process (this test
// started again), which the signal would otherwise kill where it stands.
TEST_F(MainWindow, AnEndSignalDuringAModalFileDialogEndsTheProgramWithinASecond)
{
    const auto style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        auto openAndSignal = [&] {
            alarm(5); // a program that lives on ends the child all the same
            std::signal(signal, SIG_DFL);
            endsInTests.reset(); // the program ends for real
            form->CloseOnEndSignals();
            form->show();
            QtDialogs real(form.get());
            QElapsedTimer clock;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) && !clock.isValid()) {
                    clock.start();
                    kill(getpid(), signal);
                }
            });
            poll.start(10);
            const bool cancelled = !real.ShowOpen() && clock.isValid();
            const bool ended = cancelled && real.MsgBox("Sure?", MsgButtons::YesNo) == MsgAnswer::No &&
                               RunMainLoop() == 0 && clock.elapsed() < 1000;
            folder.dir.remove(); // _exit runs no destructor
            _exit(ended ? 0 : 1);
        };
        EXPECT_EXIT(openAndSignal(), ::testing::ExitedWithCode(0), "") << "signal " << signal;
    }
    GTEST_FLAG_SET(death_test_style, style);
}

TEST(MainWindowStartUp, MissingFiltersFolderIsReportedOnceAndSkipsTheTip)
{
    TempProgramFolder folder(false);
    ScriptedDialogs dialogs;
    Form1 form(dialogs);
    int tips = 0;
    form.openTipOfDay = [&] { ++tips; };
    form.Form_Load();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Cannot locate 'Filters' folder... filter function will not operate.");
    EXPECT_EQ(dialogs.shown[0].title, "Glimmerdeck");
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::OK);
    EXPECT_EQ(tips, 0);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.pixelEditor->DrawEnabled);
    form.filter_Click(); // the window still works
    EXPECT_EQ(form.SSTab1->Tab(), 5);
}

// The program started without Filters/ shows its message during start-up;
// a logout (SIGTERM), Ctrl+C (SIGINT) or a closed terminal (SIGHUP) then
// ends it as Quit does, and so does a second signal while the first is
// handled. Before, the message closed but the process lived on, windowless.
TEST(MainWindowStartUp, AnEndSignalDuringTheFiltersMessageEndsTheProgramWithinASecond)
{
    const std::vector<std::vector<int>> cases{{SIGTERM}, {SIGINT}, {SIGHUP}, {SIGTERM, SIGHUP}, {SIGINT, SIGINT}};
    for (const std::vector<int>& sent : cases) {
        QTemporaryDir folder;
        const pid_t pid = StartAtTheFiltersMessage(folder.path());
        ASSERT_GT(pid, 0);
        for (int signal : sent)
            kill(pid, signal);
        const int status = EndsWithinASecond(pid);
        EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "signal " << sent[0] << (sent.size() > 1 ? " and another" : "") << ", status " << status;
    }
}

TEST(MainWindowStartUp, FilterListShowsTheFiltersBesideTheProgram)
{
    TempProgramFolder folder;
    QFile f(folder.file("Filters/soft.fil"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ScriptedDialogs dialogs;
    Form1 form(dialogs);
    form.Form_Load();
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(form.File1->ListCount(), 1);
    EXPECT_EQ(form.File1->item(0)->text(), "soft.fil");
}
