// Filter files: reading instruction files and bitmaps safely, whatever the
// files hold.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/filter_files.h"
#include "core/picture_files.h"
#include "harness.h"

namespace {

void AppendLe32(QByteArray& out, std::initializer_list<quint32> values)
{
    for (quint32 v : values)
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 255));
}

// A PNG file whose header announces w x h pixels and whose data is only the
// first two bytes of a compressed stream: enough to learn the size.
QByteArray PngHeaderOnly(quint32 w, quint32 h) { return PngFile(w, h, QByteArray("\x78\x9c", 2)); }

} // namespace

TEST(FilterFiles, ReadsTheFirstThreeLinesWhateverTheLineEnds)
{
    QTemporaryDir dir;
    const QString p = QDir(dir.path()).filePath(QStringLiteral("f.fil"));
    struct Case {
        QByteArray bytes;
        FilterInstructions want;
    } cases[] = {
        {"Glow\r\nAnon\r\nglow map\r\n", {"Glow", "Anon", "glow map"}},
        {"Glow\nAnon\nglow\n", {"Glow", "Anon", "glow"}},
        {"Glow\rAnon\rglow", {"Glow", "Anon", "glow"}},
        {"\xEF\xBB\xBFGlow\r\nAnon\r\nglow", {"Glow", "Anon", "glow"}},
        {"Glow\r\n\r\n glow \r\nextra line\r\nand more\r\n", {"Glow", "", " glow "}},
        {"Caf\xE9\r\nZo\xC3\xAB\r\ng\r\n", {QStringLiteral("Caf\u00E9"), QStringLiteral("Zo\u00EB"), "g"}},
        {"T\r\nA\r\n\r\n", {"T", "A", ""}},
    };
    for (const Case& c : cases) {
        WriteBytes(p, c.bytes);
        const FilterInstructionsResult r = ReadFilterInstructions(p);
        ASSERT_TRUE(r.instructions) << c.bytes.toStdString() << ": " << r.error.toStdString();
        EXPECT_EQ(r.instructions->title, c.want.title);
        EXPECT_EQ(r.instructions->author, c.want.author);
        EXPECT_EQ(r.instructions->bitmapName, c.want.bitmapName);
    }
    EXPECT_EQ(FilterCaption({"Glow", "Anon", "x"}), QStringLiteral("'Glow' by Anon"));
    EXPECT_EQ(FilterCaption({"Glow", "", "x"}), QStringLiteral("'Glow' by "));
    EXPECT_EQ(FilterBitmapPath(QStringLiteral("/f"), QStringLiteral("a b")), QStringLiteral("/f/a b.bmp"));
    EXPECT_EQ(FilterBitmapPath(QStringLiteral("/f"), QStringLiteral("a.bmp")), QStringLiteral("/f/a.bmp.bmp"));
}

TEST(FilterFiles, RejectsBadInstructionFilesWithAReason)
{
    QTemporaryDir dir;
    const QString p = QDir(dir.path()).filePath(QStringLiteral("f.fil"));
    const QByteArray longLine(kMaxFilterLine + 1, 'x');
    const QByteArray bad[] = {
        "",
        "Title only",
        "Title\r\nAuthor\r\n",
        longLine + "\r\nA\r\nb\r\n",
        "T\r\n" + longLine + "\r\nb\r\n",
        QByteArray("T\r\nA\0B\r\nb\r\n", 11),
        "T\r\nA\r\n../outside",
        "T\r\nA\r\nsub\\name",
    };
    for (const QByteArray& bytes : bad) {
        WriteBytes(p, bytes);
        const FilterInstructionsResult r = ReadFilterInstructions(p);
        EXPECT_FALSE(r.instructions) << bytes.toStdString();
        EXPECT_FALSE(r.error.isEmpty());
    }
    EXPECT_TRUE(ReadFilterInstructions(p).error.contains(QStringLiteral("outside")));
    WriteBytes(p, "Title\r\nAuthor\r\n");
    EXPECT_TRUE(ReadFilterInstructions(p).error.contains(QStringLiteral("2 of the three lines")));
    EXPECT_FALSE(ReadFilterInstructions(QDir(dir.path()).filePath(QStringLiteral("none.fil"))).instructions);
    EXPECT_FALSE(ReadFilterInstructions(dir.path()).instructions); // a folder
    const QString pipe = QDir(dir.path()).filePath(QStringLiteral("pipe.fil"));
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(ReadFilterInstructions(pipe).error, QStringLiteral("it is not a file"));

    // A huge file without line ends is refused after reading its start.
    {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 20, 'z');
        for (int i = 0; i < 64; ++i)
            f.write(block);
    }
    EXPECT_FALSE(ReadFilterInstructions(p).instructions);
}

TEST(FilterFiles, LoadsTheTopLeft64By64OfPicturesAtLeastThatLarge)
{
    QTemporaryDir dir;
    auto path = [&](const char* name) { return QDir(dir.path()).filePath(QString::fromLatin1(name)); };
    const QImage good = PatternImage(64, 64, 9);
    ASSERT_TRUE(SavePicture(good, path("good.bmp")));
    FilterBitmapResult r = LoadFilterBitmap(path("good.bmp"));
    ASSERT_TRUE(r.image) << r.error.toStdString();
    EXPECT_EQ(*r.image, good);
    // Any format the loader reads, whatever the name says.
    ASSERT_TRUE(good.save(path("png.bmp"), "PNG"));
    ASSERT_TRUE(LoadFilterBitmap(path("png.bmp")).image);

    // A larger picture contributes its top-left corner.
    const QImage large = PatternImage(100, 80, 13);
    ASSERT_TRUE(SavePicture(large, path("large.bmp")));
    ASSERT_TRUE(large.save(path("largepng.bmp"), "PNG"));
    for (const char* name : {"large.bmp", "largepng.bmp"}) {
        r = LoadFilterBitmap(path(name));
        ASSERT_TRUE(r.image) << name << ": " << r.error.toStdString();
        EXPECT_EQ(*r.image, large.copy(0, 0, 64, 64).convertToFormat(QImage::Format_RGB32)) << name;
    }

    ASSERT_TRUE(SavePicture(PatternImage(32, 32), path("small.bmp")));
    ASSERT_TRUE(SavePicture(PatternImage(100, 63), path("wide.bmp")));
    WriteBytes(path("text.bmp"), "not a picture at all");
    WriteBytes(path("empty.bmp"), "");
    // A BMP header announcing 40000 x 40000 pixels with no pixels behind it,
    // and a PNG whose header announces the same (named .bmp like any filter).
    QByteArray bmp("BM", 2);
    AppendLe32(bmp, {54 + 16, 0, 54, 40, 40000, 40000});
    bmp.append("\x01\x00\x18\x00", 4); // planes, bits per pixel
    AppendLe32(bmp, {0, 0, 2835, 2835, 0, 0});
    bmp.append(QByteArray(16, '\x7f'));
    WriteBytes(path("hugebmp.bmp"), bmp);
    WriteBytes(path("huge.bmp"), PngHeaderOnly(40000, 40000));
    // Pictures whose data ends early (a decoder would leave the rest to
    // chance), and a pipe, which is never opened.
    WriteShortPictures(dir.path());
    ASSERT_EQ(mkfifo(path("pipe.bmp").toLocal8Bit().constData(), 0600), 0);

    for (const char* name : {"small.bmp", "wide.bmp", "text.bmp", "empty.bmp", "hugebmp.bmp", "huge.bmp", "missing.bmp",
                             "short.bmp", "short.png", "short.jpg", "pipe.bmp"}) {
        r = LoadFilterBitmap(path(name));
        EXPECT_FALSE(r.image) << name;
        EXPECT_TRUE(r.error.contains(QString::fromLatin1(name))) << r.error.toStdString();
    }
    EXPECT_TRUE(LoadFilterBitmap(path("small.bmp")).error.contains(QStringLiteral("32 x 32")));
    EXPECT_TRUE(LoadFilterBitmap(path("wide.bmp")).error.contains(QStringLiteral("100 x 63")));
    EXPECT_TRUE(LoadFilterBitmap(path("huge.bmp")).error.contains(QStringLiteral("40000 x 40000")));
    EXPECT_TRUE(LoadFilterBitmap(path("pipe.bmp")).error.endsWith(QStringLiteral("'pipe.bmp' is not a regular file")));
}
