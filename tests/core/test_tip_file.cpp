// The tip file: lines as they are whatever the line ends, the choice of a
// tip and the stored setting.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/tip_file.h"
#include "harness.h"

TEST(TipFile, LinesAreTakenAsTheyAreWhateverTheLineEnds)
{
    using tips::SplitTipLines;
    EXPECT_EQ(SplitTipLines(""), QStringList());
    EXPECT_EQ(SplitTipLines("one"), QStringList({"one"}));
    EXPECT_EQ(SplitTipLines("one\r\ntwo\r\n"), QStringList({"one", "two"}));
    EXPECT_EQ(SplitTipLines("one\ntwo"), QStringList({"one", "two"}));
    EXPECT_EQ(SplitTipLines("one\rtwo\r"), QStringList({"one", "two"}));
    EXPECT_EQ(SplitTipLines("a\r\n\r\n  b  \n\n"), QStringList({"a", "", "  b  ", ""}));
    EXPECT_EQ(SplitTipLines("\n"), QStringList({""}));
    EXPECT_EQ(SplitTipLines("caf\xc3\xa9\ncaf\xe9"), QStringList({QString::fromUtf8("caf\xc3\xa9"),
                                                                    QString::fromUtf8("caf\xc3\xa9")}));
}

TEST(TipFile, AnyFileIsReadWithinBoundsAndLongLinesShowCut)
{
    // A line is cut at 4096 bytes, before a character that would not fit.
    const QByteArray straddling = QByteArray(4095, 'a') + "\xc3\xa9 and more";
    EXPECT_EQ(tips::SplitTipLines(straddling + "\nnext"), QStringList({QString(4095, 'a'), "next"}));

    // A 300 MB file with no line end shows the start of its one line.
    QTemporaryDir dir;
    const QString path = dir.filePath("TIPOFDAY.TXT");
    WriteBytes(path, "A tip that goes on and on");
    ASSERT_TRUE(QFile::resize(path, qint64(300) << 20)); // sparse: costs no disk
    tips::TipFile file = tips::ReadTipFile(path);
    ASSERT_EQ(file.state, tips::TipFileState::Read);
    ASSERT_EQ(file.lines.size(), 1);
    EXPECT_EQ(file.lines[0].size(), 4096);
    EXPECT_TRUE(file.lines[0].startsWith("A tip that goes on and on"));

    // Only the first MiB is read, cut before a character split by the bound.
    WriteBytes(path, QByteArray((1 << 20) - 1, '\n') + "\xc3\xa9" + QByteArray(1 << 20, '\n'));
    file = tips::ReadTipFile(path);
    EXPECT_EQ(file.lines.size(), (1 << 20) - 1);
}

TEST(TipFile, EveryPositionIsReachableAndNoneBeyondTheList)
{
    using tips::TipIndexFor;
    EXPECT_EQ(TipIndexFor(0.5f, 0), 1); // no tip at that position
    EXPECT_EQ(TipIndexFor(0.0f, 1), 1);
    EXPECT_EQ(TipIndexFor(0.99999994f, 1), 1);
    EXPECT_EQ(TipIndexFor(0.0f, 3), 1);
    EXPECT_EQ(TipIndexFor(0.33f, 3), 1);
    EXPECT_EQ(TipIndexFor(0.34f, 3), 2);
    EXPECT_EQ(TipIndexFor(0.67f, 3), 3);
    EXPECT_EQ(TipIndexFor(0.99999994f, 3), 3);
    for (int count : {1 << 25, 2000000001, 2147483647}) {
        EXPECT_LE(TipIndexFor(0.99999994f, count), count);
        EXPECT_GT(TipIndexFor(0.99999994f, count), count - count / 1000000);
    }

    // Setting values: only a number that rounds to 0 switches the tips off.
    for (const char* off : {"0", " 0 ", "0.4", "-0.2"})
        EXPECT_FALSE(tips::TipsOn(off)) << off;
    for (const char* on : {"1", "2", "-1", "", "yes", "0x"})
        EXPECT_TRUE(tips::TipsOn(on)) << on;
}
