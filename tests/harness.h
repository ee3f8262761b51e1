#pragma once
// Shared test fixtures: a main window with scripted dialogs in a temporary
// program folder, and small picture helpers.
#include <memory>
#include <utility>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
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

// The w x h pattern picture saved in folder as short.bmp (a bitmap cut after
// 100 bytes), short.png and short.jpg (each cut to 90% of its bytes): files
// whose pixel data ends early. Returns their paths.
inline QStringList WriteShortPictures(const QString& folder, int w = 64, int h = 64)
{
    QStringList paths;
    for (const auto& [format, name] : {std::pair{"BMP", "short.bmp"}, {"PNG", "short.png"}, {"JPEG", "short.jpg"}}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(PatternImage(w, h, 21).save(&buffer, format));
        QFile f(QDir(folder).filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.left(QByteArrayView(format) == "BMP" ? 100 : bytes.size() * 9 / 10));
        paths << f.fileName();
    }
    return paths;
}

// A PNG file of w x h pixels, 8-bit RGB, whose compressed data is idat (a
// zlib stream of the filtered rows).
inline QByteArray PngFile(quint32 w, quint32 h, const QByteArray& idat)
{
    auto crc32 = [](const QByteArray& bytes) {
        quint32 c = 0xFFFFFFFFu;
        for (char ch : bytes) {
            c ^= static_cast<quint8>(ch);
            for (int k = 0; k < 8; ++k)
                c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
        }
        return ~c;
    };
    auto be32 = [](quint32 v) {
        const char b[4] = {char(v >> 24), char((v >> 16) & 255), char((v >> 8) & 255), char(v & 255)};
        return QByteArray(b, 4);
    };
    auto chunk = [&](const char* type, const QByteArray& data) {
        const QByteArray body = QByteArray(type, 4) + data;
        return be32(quint32(data.size())) + body + be32(crc32(body));
    };
    const QByteArray ihdr = be32(w) + be32(h) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", idat) + chunk("IEND", {});
}

// A valid PNG of w x h pixels all of colour c: each row after the first
// repeats the one above, so even a huge picture compresses to little.
inline QByteArray SolidPng(int w, int h, Colour c)
{
    const qsizetype row = 1 + 3 * qsizetype(w);
    QByteArray raw(row * h, '\0');
    for (int x = 0; x < w; ++x) {
        raw[1 + 3 * x] = char(c & 255);
        raw[2 + 3 * x] = char((c >> 8) & 255);
        raw[3 + 3 * x] = char((c >> 16) & 255);
    }
    for (int y = 1; y < h; ++y)
        raw[y * row] = 2; // "up": the row above, unchanged
    return PngFile(quint32(w), quint32(h), qCompress(raw, 1).mid(4)); // qCompress puts the size first
}
