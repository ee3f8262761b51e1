#pragma once
// Shared test fixtures: a main window with scripted dialogs in a temporary
// program folder, and small picture helpers.
#include <memory>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/picture_buffer.h"

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

// A main window that ends nothing and asks nothing for real.
struct FormFixture : ::testing::Test {
    TempProgramFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form;
    int ended = 0;
    int tipsOpened = 0;

    void SetUp() override
    {
        form = std::make_unique<Form1>(dialogs);
        form->endProgram = [this] { ++ended; };
        form->openTipOfDay = [this] { ++tipsOpened; };
    }
};

// A picture of one colour (0x00BBGGRR).
inline QImage SolidImage(int w, int h, Colour c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(PictureBuffer::ToQRgb(c));
    return img;
}

// A picture whose every pixel differs from its neighbours: colour from (x, y).
inline QImage PatternImage(int w, int h, int seed = 0)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, PictureBuffer::ToQRgb(RGB((x * 7 + seed) & 255, (y * 5 + seed) & 255, (x + y + seed) & 255)));
    return img;
}

// A 64 x 64 picture of four colours, one a quadrant (top left, top right,
// lower left, lower right), so a pixel operation's result is four colours
// worked out by hand.
inline QImage QuadrantImage(Colour topLeft, Colour topRight, Colour lowerLeft, Colour lowerRight)
{
    const Colour quadrants[4] = {topLeft, topRight, lowerLeft, lowerRight};
    QImage img(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            img.setPixel(x, y, PictureBuffer::ToQRgb(quadrants[(y / 32) * 2 + x / 32]));
    return img;
}

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
