#pragma once
// Shared test fixtures: a main window with scripted dialogs in a temporary
// program folder, and the picture and file helpers of tests/core/harness.h.
#include <csignal>
#include <memory>
#include <optional>
#include <utility>

#include <sys/resource.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "core/harness.h" // tests/core/harness.h
#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/picture_buffer.h"
#include "platform/program_end.h"

// A program folder of its own, with a Filters folder unless asked not to.
struct TempProgramFolder {
    QTemporaryDir dir;
    explicit TempProgramFolder(bool withFilters = true)
    {
        if (withFilters)
            QDir(dir.path()).mkpath(QStringLiteral("Filters"));
        ProgramFolder::Override(dir.path());
    }
    ~TempProgramFolder() { ProgramFolder::Override(QString()); }
    QString file(const QString& name) const { return QDir(dir.path()).filePath(name); }
};

// A disk that fills up, without root: while this lives, no file of the
// process grows past bytes (a write there fails with EFBIG, as ENOSPC would
// on a full disk).
struct FileSizeLimit {
    rlimit saved{};
    void (*savedSignal)(int) = nullptr;
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = saved;
        lower.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &lower), 0);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedSignal);
    }
};

// A main window that asks nothing for real. Ending the program only marks it
// ending (ProgramEnding) until the test is over; a test that resets
// endsInTests ends it for real (in a process of its own).
struct FormFixture : ::testing::Test {
    std::optional<ProgramEndInTests> endsInTests{std::in_place};
    TempProgramFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form;
    int tipsOpened = 0;

    void SetUp() override
    {
        form = std::make_unique<Form1>(dialogs);
        form->openTipOfDay = [this] { ++tipsOpened; };
    }
};

// The settings store in a temporary folder of the test's own while this
// lives; then back in the test run's configuration folder.
struct TempSettingsStore {
    QTemporaryDir dir;
    TempSettingsStore() { SettingsStore::Relocate(dir.path()); }
    ~TempSettingsStore() { SettingsStore::Relocate(qEnvironmentVariable("XDG_CONFIG_HOME")); }
};

// Two quick left clicks, at first and then at second, as a widget gets them:
// Qt turns the second press into a double-click event.
inline void QuickClicks(QWidget* w, QPoint first, QPoint second)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, first);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, second);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, second);
}

