// The Filter / Rotate tab: quarter turns and mirrors of the work tile, the
// filter arithmetic, reading filter files safely, applying a filter from the
// list, refreshing the list, and writing the result back to a layer.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "harness.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/filter_files.h"
#include "layer_tools/filter_rotate.h"
#include "layer_tools/ghosting.h"
#include "platform/controls.h"
#include "platform/file_list.h"
#include "platform/picture_files.h"
#include "platform/tab_control.h"
#include "texture_set/layers.h"

namespace {

constexpr Colour kNavy = 0x00800000;

Colour At(const QImage& img, int x, int y) { return PictureBuffer::FromQRgb(img.pixel(x, y)); }

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

// A tile and a filter bitmap of four colours each, and the tile filtered,
// worked out by hand: 128 over 200 gives 100 (100.39 floored); 147 over 85
// gives 48 and 147 over 170 gives 97, the quotient as a double times the
// layer value falling just under 49 and 98.
QImage FourColourTile()
{
    return QuadrantImage(RGB(200, 85, 77), RGB(170, 33, 200), RGB(9, 200, 85), RGB(64, 255, 255));
}
QImage FourColourFilter()
{
    return QuadrantImage(RGB(128, 147, 255), RGB(147, 255, 0), RGB(0, 128, 147), RGB(255, 0, 128));
}
QImage FourColourFiltered()
{
    return QuadrantImage(RGB(100, 48, 77), RGB(97, 33, 0), RGB(0, 100, 48), RGB(64, 0, 128));
}

// A tile that is not symmetric in any direction, so every mapping shows.
QImage Asymmetric() { return PatternImage(64, 64, 17); }

void AppendLe32(QByteArray& out, std::initializer_list<quint32> values)
{
    for (quint32 v : values)
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 255));
}

// A PNG file whose header announces w x h pixels and whose data is only the
// first two bytes of a compressed stream: enough to learn the size.
QByteArray PngHeaderOnly(quint32 w, quint32 h) { return PngFile(w, h, QByteArray("\x78\x9c", 2)); }

struct FilterRotateTest : FormFixture {
    FilterRotate* tab = nullptr;
    Layers* layers = nullptr;
    QString filters;

    void SetUp() override
    {
        FormFixture::SetUp();
        tab = form->filterRotate.get();
        layers = form->layers.get();
        filters = folder.file(QStringLiteral("Filters"));
        ASSERT_TRUE(tab->File1->setPath(filters));
    }
    // A filter pair in the Filters folder; the list is read again.
    void AddFilter(const QString& file, const QByteArray& instructions, const QString& bitmapName = {},
                   const QImage& bitmap = {})
    {
        WriteBytes(QDir(filters).filePath(file), instructions);
        if (!bitmapName.isEmpty())
            ASSERT_TRUE(SavePicture(bitmap, QDir(filters).filePath(bitmapName)));
        tab->Label19_Click();
    }
    int Row(const QString& file) const
    {
        const auto items = tab->File1->findItems(file, Qt::MatchExactly);
        return items.isEmpty() ? -1 : tab->File1->row(items.first());
    }
    // Selects an entry as the keyboard or code would.
    void Select(const QString& file)
    {
        const int row = Row(file);
        ASSERT_GE(row, 0) << file.toStdString();
        tab->File1->setCurrentRow(row);
    }
};

} // namespace

TEST(TurnTile, EveryOperationMapsEachPixelToItsPlace)
{
    const QImage t = Asymmetric();
    const QImage cw = TurnTile(t, TileTurn::Clockwise);
    const QImage ccw = TurnTile(t, TileTurn::CounterClockwise);
    const QImage h = TurnTile(t, TileTurn::FlipHorizontal);
    const QImage v = TurnTile(t, TileTurn::FlipVertical);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const Colour c = At(t, x, y);
            ASSERT_EQ(At(cw, 63 - y, x), c);
            ASSERT_EQ(At(ccw, y, 63 - x), c);
            ASSERT_EQ(At(h, 63 - x, y), c);
            ASSERT_EQ(At(v, x, 63 - y), c);
        }
    // The top row becomes the right column read downwards after a clockwise turn.
    EXPECT_EQ(At(cw, 63, 0), At(t, 0, 0));
    EXPECT_EQ(At(cw, 0, 0), At(t, 0, 63));
    EXPECT_EQ(At(ccw, 0, 63), At(t, 0, 0));

    // A quarter turn of a picture that is not square swaps its sides.
    const QImage wide = PatternImage(5, 3, 2);
    const QImage tall = TurnTile(wide, TileTurn::Clockwise);
    ASSERT_EQ(tall.size(), QSize(3, 5));
    EXPECT_EQ(At(tall, 2, 0), At(wide, 0, 0));
    EXPECT_EQ(At(tall, 0, 4), At(wide, 4, 2));
}

TEST(TurnTile, CompositionsGiveBackTheTileOrAHalfTurn)
{
    const QImage t = Asymmetric();
    auto turn = [](QImage img, std::initializer_list<TileTurn> ops) {
        for (TileTurn op : ops)
            img = TurnTile(img, op);
        return img;
    };
    using enum TileTurn;
    EXPECT_EQ(turn(t, {Clockwise, Clockwise, Clockwise, Clockwise}), t);
    EXPECT_EQ(turn(t, {CounterClockwise, CounterClockwise, CounterClockwise, CounterClockwise}), t);
    EXPECT_EQ(turn(t, {Clockwise, CounterClockwise}), t);
    EXPECT_EQ(turn(t, {FlipHorizontal, FlipHorizontal}), t);
    EXPECT_EQ(turn(t, {FlipVertical, FlipVertical}), t);
    EXPECT_EQ(turn(t, {FlipHorizontal, FlipVertical}), turn(t, {Clockwise, Clockwise}));
    EXPECT_EQ(turn(t, {Clockwise, Clockwise, Clockwise}), turn(t, {CounterClockwise}));
    EXPECT_NE(turn(t, {Clockwise}), t);
}

TEST(FilterArithmetic, DividesFirstThenMultipliesThenFloors)
{
    EXPECT_EQ(FilterChannel(128, 200), 100); // 100.39 floored
    EXPECT_EQ(FilterChannel(147, 85), 48);   // 147/255 as a double, times 85, is just under 49
    // Across all pairs: never above the exact floor of f*l/255, one below it
    // for exactly twelve pairs, white keeps and black clears.
    int lower = 0;
    for (int f = 0; f < 256; ++f)
        for (int l = 0; l < 256; ++l) {
            const int exact = f * l / 255;
            const int got = FilterChannel(f, l);
            ASSERT_TRUE(got == exact || got == exact - 1) << f << " " << l;
            lower += got == exact - 1;
        }
    EXPECT_EQ(lower, 12);
    for (int l = 0; l < 256; ++l) {
        EXPECT_EQ(FilterChannel(255, l), l);
        EXPECT_EQ(FilterChannel(0, l), 0);
    }
    // Channels are independent: a red filter keeps only the red channel.
    EXPECT_EQ(FilterPixel(0x000000FF, 0x00C08040), 0x00000040);
    EXPECT_EQ(FilterPixel(0x00FFFFFF, 0x00C08040), 0x00C08040);
    EXPECT_EQ(FilterPixel(0x00800000, 0x00C8C8C8), 0x00640000);
}

TEST(FilterArithmetic, AppliesTheBitmapPixelByPixel)
{
    const QImage tile = FourColourTile();
    EXPECT_EQ(ApplyFilterBitmap(FourColourFilter(), tile), FourColourFiltered());
    EXPECT_EQ(ApplyFilterBitmap(SolidImage(64, 64, 0x00FFFFFF), tile), tile);
    EXPECT_EQ(ApplyFilterBitmap(SolidImage(64, 64, 0), tile), SolidImage(64, 64, 0));
    // Where the filter is smaller the tile is kept, as under white.
    const QImage part = ApplyFilterBitmap(SolidImage(10, 64, 0), tile);
    EXPECT_EQ(At(part, 9, 5), 0);
    EXPECT_EQ(At(part, 10, 5), At(tile, 10, 5));
}

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
}

TEST_F(FilterRotateTest, LoadingCopiesALayerAndTurnsLeaveTheLoadedCopy)
{
    const QImage t = Asymmetric();
    const QImage a = PatternImage(64, 64, 60);
    layers->Image1->setPicture(t);
    layers->Image2->setPicture(a);
    tab->Command40->click();
    EXPECT_EQ(tab->WorkTile->Image(), a);
    EXPECT_EQ(tab->FilterPreview->Image(), a);
    EXPECT_EQ(tab->FilterBuffer->Image(), a);
    layers->Image2->setPicture(SolidImage(64, 64, 0x00112233)); // a later change is not seen
    EXPECT_EQ(tab->WorkTile->Image(), a);
    EXPECT_EQ(tab->FilterBuffer->Image(), a);
    tab->Command39->click();

    tab->Command37_Click();
    EXPECT_EQ(tab->WorkTile->GetPixel(63, 0), At(t, 0, 0));
    EXPECT_EQ(tab->WorkTile->GetPixel(0, 0), At(t, 0, 63));
    EXPECT_EQ(tab->FilterPreview->Image(), tab->WorkTile->Image());
    tab->Command38_Click();
    EXPECT_EQ(tab->WorkTile->Image(), t);
    tab->Command38->click();
    EXPECT_EQ(tab->WorkTile->GetPixel(0, 63), At(t, 0, 0));
    tab->Command37->click();

    tab->Command44->click();
    tab->Command45->click();
    EXPECT_EQ(tab->WorkTile->Image(), TurnTile(TurnTile(t, TileTurn::Clockwise), TileTurn::Clockwise));
    EXPECT_EQ(tab->FilterPreview->Image(), tab->WorkTile->Image());
    EXPECT_EQ(tab->FilterBuffer->Image(), t);
    // The layer keeps its image until a "Set to layer" button.
    EXPECT_EQ(layers->Image1->Image(), t);
}

TEST_F(FilterRotateTest, SettingALayerReplacesItAndRunsItsCascade)
{
    // Never loaded: layer B becomes the empty navy tile, and its mirrors follow.
    layers->Image2->setPicture(Asymmetric());
    tab->Command42->click();
    EXPECT_EQ(layers->Image2->Image(), SolidImage(64, 64, kNavy));
    EXPECT_EQ(form->colorKeying->Ckey2->Image(), SolidImage(64, 64, kNavy));
    EXPECT_EQ(form->ghosting->Picture10->Image(), SolidImage(64, 64, kNavy));

    layers->Image1->setPicture(PatternImage(64, 64, 30));
    tab->Command39_Click();
    tab->Command44_Click();
    const QImage flipped = tab->WorkTile->Image();
    tab->Command41->click();
    EXPECT_EQ(layers->Image1->Image(), flipped);
    EXPECT_EQ(form->colorKeying->Ckey1->Image(), flipped);
    EXPECT_EQ(form->ghosting->Picture9->Image(), flipped);
}

TEST_F(FilterRotateTest, AFilterIsAppliedToTheTileAsLoaded)
{
    const QImage tint = FourColourFilter();
    const QImage red = SolidImage(64, 64, 0x000000FF);
    AddFilter(QStringLiteral("Tint.fil"), "Tint\r\nSomeone\r\ntint map\r\nignored\r\n", QStringLiteral("tint map.bmp"),
              tint);
    AddFilter(QStringLiteral("Red.fil"), "Red\nMe\nred\n", QStringLiteral("red.bmp"), red);
    const QImage t = FourColourTile();
    layers->Image1->setPicture(t);
    tab->Command39_Click();
    tab->Command37_Click(); // dropped by the filter

    Select(QStringLiteral("Tint.fil"));
    const QImage want = FourColourFiltered();
    EXPECT_EQ(tab->WorkTile->Image(), want);
    EXPECT_EQ(tab->FilterPreview->Image(), want);
    EXPECT_EQ(tab->Text4->Text(), QStringLiteral("'Tint' by Someone"));
    EXPECT_EQ(tab->Picture15->Image(), tint);
    EXPECT_EQ(tab->FilterBuffer->Image(), t);
    EXPECT_EQ(layers->Image1->Image(), t);
    EXPECT_TRUE(dialogs.shown.empty());

    // Applying again gives the same; another filter starts from the loaded tile.
    tab->File1_Click();
    EXPECT_EQ(tab->WorkTile->Image(), want);
    Select(QStringLiteral("Red.fil"));
    EXPECT_EQ(tab->WorkTile->Image(), QuadrantImage(RGB(200, 0, 0), RGB(170, 0, 0), RGB(9, 0, 0), RGB(64, 0, 0)));
    EXPECT_EQ(tab->Text4->Text(), QStringLiteral("'Red' by Me"));
    // A turn after a filter turns the filtered tile.
    tab->Command37_Click();
    EXPECT_EQ(tab->WorkTile->Image(), QuadrantImage(RGB(9, 0, 0), RGB(200, 0, 0), RGB(64, 0, 0), RGB(170, 0, 0)));

    // A bitmap larger than the tile filters with its top-left corner: white there, black beyond.
    QImage big = SolidImage(90, 70, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            big.setPixel(x, y, PictureBuffer::ToQRgb(0x00FFFFFF));
    AddFilter(QStringLiteral("Big.fil"), "Big\r\nMe\r\nbig\r\n", QStringLiteral("big.bmp"), big);
    Select(QStringLiteral("Big.fil"));
    EXPECT_EQ(tab->Picture15->Image(), SolidImage(64, 64, 0x00FFFFFF));
    EXPECT_EQ(tab->WorkTile->Image(), t);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FilterRotateTest, AFilterBeforeAnyLoadFiltersTheNavyTile)
{
    AddFilter(QStringLiteral("Grey.fil"), "Grey\r\nX\r\ngrey\r\n", QStringLiteral("grey.bmp"),
              SolidImage(64, 64, 0x00C8C8C8));
    Select(QStringLiteral("Grey.fil"));
    // Red and green stay 0; blue is floor(200 / 255 * 128) = 100.
    EXPECT_EQ(tab->WorkTile->Image(), SolidImage(64, 64, 0x00640000));
}

TEST_F(FilterRotateTest, ABadFilterChangesNothingAndIsReported)
{
    const QImage good = PatternImage(64, 64, 5);
    AddFilter(QStringLiteral("Good.fil"), "Good\r\nG\r\ngood\r\n", QStringLiteral("good.bmp"), good);
    AddFilter(QStringLiteral("NoBitmap.fil"), "Lost\r\nL\r\nnothing here\r\n");
    AddFilter(QStringLiteral("Doubled.fil"), "D\r\nD\r\ngood.bmp\r\n");
    AddFilter(QStringLiteral("Short.fil"), "Only a title\r\n");
    AddFilter(QStringLiteral("Small.fil"), "S\r\nS\r\nsmall\r\n", QStringLiteral("small.bmp"), PatternImage(32, 32));
    WriteShortPictures(filters);
    AddFilter(QStringLiteral("Cut.fil"), "C\r\nC\r\nshort\r\n");
    const QImage t = Asymmetric();
    layers->Image2->setPicture(t);
    tab->Command40_Click();
    Select(QStringLiteral("Good.fil"));
    tab->Command44_Click(); // the work tile now differs from the preview's start
    const QImage work = tab->WorkTile->Image(), preview = tab->FilterPreview->Image();
    const QImage bitmap = tab->Picture15->Image();

    int messages = 0;
    for (const char* file : {"NoBitmap.fil", "Doubled.fil", "Short.fil", "Small.fil", "Cut.fil"}) {
        Select(QString::fromLatin1(file));
        ASSERT_EQ(dialogs.shown.size(), size_t(++messages)) << file;
        EXPECT_TRUE(dialogs.shown.back().text.contains(QString::fromLatin1(file)));
        EXPECT_EQ(tab->WorkTile->Image(), work) << file;
        EXPECT_EQ(tab->FilterPreview->Image(), preview) << file;
        EXPECT_EQ(tab->Picture15->Image(), bitmap) << file;
        EXPECT_EQ(tab->Text4->Text(), QStringLiteral("'Good' by G")) << file;
    }
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("nothing here.bmp")));
    EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("good.bmp.bmp")));
    EXPECT_EQ(layers->Image2->Image(), t);

    // Removing the instruction file after the list was read is a failure too.
    Select(QStringLiteral("Good.fil"));
    ASSERT_TRUE(QFile::remove(QDir(filters).filePath(QStringLiteral("Good.fil"))));
    tab->File1_Click();
    EXPECT_EQ(dialogs.shown.size(), size_t(messages + 1));
}

TEST_F(FilterRotateTest, RefreshListShowsFiltersAddedAndRemovedSinceTheListWasRead)
{
    WriteBytes(QDir(filters).filePath(QStringLiteral("Later.fil")), "L\r\nL\r\nl\r\n");
    WriteBytes(QDir(filters).filePath(QStringLiteral("notes.txt")), "not a filter");
    EXPECT_EQ(Row(QStringLiteral("Later.fil")), -1);
    tab->Label19->onClick(); // the label acts as the button
    EXPECT_EQ(tab->File1->ListCount(), 1);
    EXPECT_EQ(Row(QStringLiteral("Later.fil")), 0);

    Select(QStringLiteral("Later.fil")); // its bitmap is missing: reported once
    EXPECT_EQ(dialogs.shown.size(), 1u);
    ASSERT_TRUE(QFile::remove(QDir(filters).filePath(QStringLiteral("Later.fil"))));
    tab->Label19_Click();
    EXPECT_EQ(tab->File1->ListCount(), 0);
    EXPECT_EQ(dialogs.shown.size(), 1u); // emptying the list applies nothing
}

TEST_F(FilterRotateTest, TheHighlightedEntryIsAppliedWhetherClickedSlidOverOrKeyed)
{
    // Filter value f over layer value l gives floor(f / 255 * l).
    AddFilter(QStringLiteral("A.fil"), "A\r\nx\r\na\r\n", QStringLiteral("a.bmp"), SolidImage(64, 64, RGB(128, 147, 255)));
    AddFilter(QStringLiteral("B.fil"), "B\r\nx\r\nb\r\n", QStringLiteral("b.bmp"), SolidImage(64, 64, RGB(255, 0, 128)));
    AddFilter(QStringLiteral("C.fil"), "C\r\nx\r\nc\r\n", QStringLiteral("c.bmp"), SolidImage(64, 64, RGB(255, 255, 0)));
    AddFilter(QStringLiteral("D.fil"), "D\r\nx\r\nno such bitmap\r\n");
    form->show();
    form->SSTab1->setTab(5);
    QWidget* vp = tab->File1->viewport();
    auto entry = [&](int row, int dy = 0) {
        return tab->File1->visualItemRect(tab->File1->item(row)).center() + QPoint(0, dy);
    };
    layers->Image1->setPicture(SolidImage(64, 64, RGB(200, 85, 77)));
    tab->Command39->click();

    // Press on the first entry, slide over the second to the third, release.
    QTest::mousePress(vp, Qt::LeftButton, {}, entry(0));
    QTest::mouseMove(vp, entry(1));
    QTest::mouseMove(vp, entry(2));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, entry(2));
    EXPECT_EQ(tab->File1->currentRow(), 2);
    EXPECT_EQ(tab->WorkTile->Image(), SolidImage(64, 64, RGB(200, 85, 0)));
    EXPECT_EQ(tab->Text4->Text(), QStringLiteral("'C' by x"));

    // A click on the entry already highlighted applies it to a newly loaded tile.
    layers->Image1->setPicture(SolidImage(64, 64, RGB(64, 170, 255)));
    tab->Command39->click();
    QTest::mouseClick(vp, Qt::LeftButton, {}, entry(2));
    EXPECT_EQ(tab->WorkTile->Image(), SolidImage(64, 64, RGB(64, 170, 0)));

    // A bad filter met while sliding, left and met again, is reported once
    // and leaves the last good result.
    QTest::mousePress(vp, Qt::LeftButton, {}, entry(2));
    QTest::mouseMove(vp, entry(3, -2));
    QTest::mouseMove(vp, entry(3, 2));
    QTest::mouseMove(vp, entry(1));
    QTest::mouseMove(vp, entry(3));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, entry(3));
    EXPECT_EQ(tab->File1->currentRow(), 3);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("D.fil")));
    EXPECT_EQ(tab->WorkTile->Image(), SolidImage(64, 64, RGB(64, 0, 128)));

    // The arrow keys apply the entry they move to; each bad one is reported.
    QTest::keyClick(tab->File1, Qt::Key_Up);
    EXPECT_EQ(tab->WorkTile->Image(), SolidImage(64, 64, RGB(64, 170, 0)));
    EXPECT_EQ(tab->Text4->Text(), QStringLiteral("'C' by x"));
    QTest::keyClick(tab->File1, Qt::Key_Down);
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(tab->WorkTile->Image(), SolidImage(64, 64, RGB(64, 170, 0)));
}

TEST_F(FilterRotateTest, TheShippedFiltersAreWellFormedAndApply)
{
    const QDir shipped(QStringLiteral(GLIMMERDECK_DATA_DIR "/Filters"));
    const QStringList fils = shipped.entryList({QStringLiteral("*.fil")}, QDir::Files);
    EXPECT_GE(fils.size(), 3);
    EXPECT_LE(fils.size(), 5);
    for (const QString& name : shipped.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(shipped.filePath(name), QDir(filters).filePath(name)));
    tab->Label19_Click();

    layers->Image1->setPicture(SolidImage(64, 64, 0x00FFFFFF)); // filtered, a white tile gives the bitmap
    tab->Command39_Click();
    for (const QString& fil : fils) {
        const FilterInstructionsResult r = ReadFilterInstructions(shipped.filePath(fil));
        ASSERT_TRUE(r.instructions) << fil.toStdString() << ": " << r.error.toStdString();
        EXPECT_EQ(r.instructions->author, QStringLiteral("Glimmerdeck"));
        const FilterBitmapResult bmp = LoadFilterBitmap(FilterBitmapPath(shipped.path(), r.instructions->bitmapName));
        ASSERT_TRUE(bmp.image) << bmp.error.toStdString();

        Select(fil);
        EXPECT_EQ(tab->WorkTile->Image(), *bmp.image) << fil.toStdString();
        EXPECT_EQ(tab->Text4->Text(), FilterCaption(*r.instructions));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FilterRotateTest, HiddenBuffersStayHiddenAndTheTabFitsItsPage)
{
    form->show();
    form->SSTab1->setTab(5);
    EXPECT_FALSE(tab->Picture15->isVisible());
    EXPECT_FALSE(tab->FilterBuffer->isVisible());
    EXPECT_FALSE(tab->RotBuffer->isVisible());
    EXPECT_TRUE(tab->WorkTile->isVisible());
    EXPECT_TRUE(tab->FilterPreview->isVisible());
    EXPECT_TRUE(tab->File1->isVisible());
    EXPECT_FALSE(tab->Command37->icon().isNull());
    EXPECT_FALSE(tab->Command38->icon().isNull());
    EXPECT_EQ(tab->File1->Pattern(), QStringLiteral("*.fil"));
}
