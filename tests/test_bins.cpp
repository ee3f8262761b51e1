// The left and right bins: loading a texture set, the shared cell memory and
// the selector, picking cells into the layers, stamping the Custom Texture
// Set and paging.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <tuple>

#include <sys/stat.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include "core/conversions.h"
#include "core/picture_files.h"
#include "core/targa.h"
#include "harness.h"
#include "layer_tools/color_keying.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"

namespace {

constexpr Colour kNavy = 0x00800000;
const QRgb kWhite = PictureBuffer::ToQRgb(-1); // what a pick writes for a pixel outside the bin

::testing::AssertionResult SameImage(const QImage& got, const QImage& want)
{
    if (got == want)
        return ::testing::AssertionSuccess();
    if (got.size() != want.size())
        return ::testing::AssertionFailure() << "size differs";
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y))
                return ::testing::AssertionFailure() << "first difference at (" << x << "," << y << "): 0x"
                                                     << std::hex << got.pixel(x, y) << ", want 0x" << want.pixel(x, y);
    return ::testing::AssertionSuccess();
}

// The 64 x 64 cell at (cx, cy) of img as a pick copies it.
QImage CellOf(const QImage& img, int cx, int cy)
{
    QImage out(64, 64, QImage::Format_RGB32);
    for (int j = 0; j < 64; ++j)
        for (int i = 0; i < 64; ++i)
            out.setPixel(i, j, img.rect().contains(cx + i, cy + j) ? img.pixel(cx + i, cy + j) : kWhite);
    return out;
}

int CellOrigin(float v) { return int(std::floor(v / 64.0f)) * 64; }

struct BinsTest : FormFixture {
    TextureBins* bins = nullptr;
    Layers* layers = nullptr;

    void SetUp() override
    {
        FormFixture::SetUp();
        bins = form->bins.get();
        layers = form->layers.get();
    }
    QString WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(folder.file(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QString WriteSet(const QString& name, const QImage& img)
    {
        std::vector<std::vector<Colour>> rows(img.height(), std::vector<Colour>(img.width()));
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                rows[y][x] = PictureBuffer::FromQRgb(img.pixel(x, y));
        const std::vector<uint8_t> bytes = EncodeTarga(rows);
        return WriteFile(name, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    }
    QString WriteHeader(const QString& name, int16_t width, int16_t height, const QByteArray& data = {})
    {
        TargaHeader h = TextureSetHeader(height);
        h.Width = width;
        const auto head = EncodeTargaHeader(h);
        return WriteFile(name, QByteArray(reinterpret_cast<const char*>(head.data()), kTargaHeaderSize) + data);
    }
    void Load(const QString& path)
    {
        dialogs.openAnswers.push_back(path);
        bins->loadtexset_Click();
    }
    // What a bin must show: its clean copy at the bin's size, with the selector
    // (mask ANDed, frame ORed) at corner sel when there is one.
    QImage Shown(const QImage& clean, QSize size, std::optional<QPoint> sel) const
    {
        QImage img(size, QImage::Format_RGB32);
        img.fill(PictureBuffer::ToQRgb(kNavy));
        for (int y = 0; y < std::min(size.height(), clean.height()); ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(clean.constScanLine(y)), std::min(size.width(), clean.width()),
                        reinterpret_cast<QRgb*>(img.scanLine(y)));
        if (sel) {
            const QImage& mask = bins->squaremask->Picture();
            const QImage& frame = bins->square->Picture();
            for (int j = 0; j < frame.height(); ++j)
                for (int i = 0; i < frame.width(); ++i)
                    if (img.rect().contains(sel->x() + i, sel->y() + j))
                        img.setPixel(sel->x() + i, sel->y() + j,
                                     (img.pixel(sel->x() + i, sel->y() + j) & mask.pixel(i, j)) | frame.pixel(i, j));
        }
        return img;
    }
    // Both bins show their clean copies, with a selector only where given.
    void ExpectShown(std::optional<QPoint> left, std::optional<QPoint> right)
    {
        EXPECT_TRUE(SameImage(bins->Picture1->Image(), Shown(bins->BackupPic->Image(), bins->Picture1->Image().size(), left)))
            << "left bin";
        EXPECT_TRUE(SameImage(bins->Picture2->Image(), Shown(bins->Backuppic2->Image(), {256, 2048}, right)))
            << "right bin";
    }
    void Send(PictureBuffer* bin, QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMouseEvent e(type, pos, bin->mapToGlobal(pos), button, held, mods);
        QApplication::sendEvent(bin, &e);
    }
};

using BinsLoad = BinsTest;
using BinsSelector = BinsTest;
using BinsPicking = BinsTest;
using BinsPaging = BinsTest;
using BinsStamping = BinsTest;

} // namespace

TEST_F(BinsLoad, TargaSetsFillTheLeftBinAndOnlyWideOnesAreReported)
{
    const QImage wide = PatternImage(320, 200, 3), tall = PatternImage(256, 704, 8);
    const QString widePath = WriteSet("wide.tga", wide), tallPath = WriteSet("tall.TGA", tall);
    const QImage layerA = layers->Image1->Image(), right = bins->Picture2->Image();

    dialogs.openAnswers.push_back(std::nullopt); // cancelled: nothing happens
    bins->loadtexset_Click();
    EXPECT_EQ(bins->Text1->text(), "64");

    Load(widePath);
    EXPECT_TRUE(SameImage(bins->Picture1->Image(), wide));
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), bins->Picture1->Image()));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "This texture set ," + widePath +
                                         ", is larger than it seems. Use the left and right arrow buttons to view all of it");
    EXPECT_EQ(dialogs.shown[0].title, "Glimmerdeck");
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::OK);
    EXPECT_EQ(bins->Text1->text(), "newload");
    // The layers, the right bin, its master copy and the used height stay as they were.
    EXPECT_EQ(bins->Backuppic2->Image().size(), QSize(256, 2048));
    EXPECT_TRUE(SameImage(bins->Picture2->Image(), right));
    EXPECT_TRUE(SameImage(layers->Image1->Image(), layerA));
    EXPECT_EQ(bins->CustomSetHeight(), 0);

    // A later load brings the view back to the first cell, a 256-wide set without a message.
    bins->Command4_Click();
    ASSERT_EQ(bins->Picture1->Left(), -64);
    Load(tallPath);
    EXPECT_EQ(bins->Picture1->Left(), 0);
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), tall));
    EXPECT_EQ(dialogs.shown.size(), 1u);
    bins->Command3_Click();
    ASSERT_EQ(bins->Picture1->Top(), -64);
    Load(widePath);
    EXPECT_EQ(bins->Picture1->Top(), 0);
    EXPECT_EQ(bins->Picture1->Image().size(), QSize(320, 200));
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(BinsLoad, OtherEndingsGoThroughThePictureLoaderWhichKeepsTheBinInPlace)
{
    bins->Command3_Click(); // the start bin is 698 tall
    ASSERT_EQ(bins->Picture1->Top(), -64);
    const QImage start = bins->Picture1->Image(), startCopy = bins->BackupPic->Image();

    // The ending is case-sensitive, and Targa is not among the picture loader's formats.
    Load(WriteSet("set.Tga", PatternImage(128, 128)));
    Load(WriteFile("junk.bmp", "BM not really a bitmap"));
    // Nor are pictures whose data ends early, or a pipe, which is never opened.
    ASSERT_EQ(mkfifo(folder.file("pipe.png").toLocal8Bit().constData(), 0600), 0);
    const QStringList refused = WriteShortPictures(folder.dir.path(), 256, 256) << folder.file("pipe.png");
    for (const QString& path : refused)
        Load(path);
    EXPECT_TRUE(SameImage(bins->Picture1->Image(), start));
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), startCopy));
    EXPECT_TRUE(dialogs.shown.empty());

    // A bitmap is drawn at the top-left of the bin, which keeps its size, place and memory.
    const QImage bmp = PatternImage(100, 50, 9);
    const QString bmpPath = folder.file("tile.bmp");
    ASSERT_TRUE(SavePicture(bmp, bmpPath));
    Load(bmpPath);
    const QImage want = Shown(bmp, {256, 698}, std::nullopt);
    EXPECT_TRUE(SameImage(bins->Picture1->Image(), want));
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), want));
    EXPECT_EQ(bins->Picture1->Top(), -64);
    EXPECT_EQ(bins->Text1->text(), "64");
    EXPECT_TRUE(dialogs.shown.empty());

    // After a wide Targa set the bin is still wide, so the bitmap is reported too.
    Load(WriteSet("wide.tga", PatternImage(320, 64)));
    Load(bmpPath);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.startsWith("This texture set ," + bmpPath + ", is larger"));
    EXPECT_TRUE(SameImage(bins->Picture1->Image(), Shown(bmp, {320, 64}, std::nullopt)));

    // Any picture within the 8192 x 8192 pixel cap loads, beyond Qt's own default limit.
    Load(WriteFile("huge.png", SolidPng(6000, 6000, 0x00336699)));
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), SolidImage(320, 64, 0x00336699)));
}

TEST_F(BinsLoad, UnreadableFilesLeaveBothBinsAsTheyWere)
{
    Load(WriteSet("good.tga", PatternImage(192, 128, 5)));
    bins->Picture1_MouseMove(0, 0, 70, 70); // with a selector on the bin
    const QImage left = bins->Picture1->Image(), copy = bins->BackupPic->Image();
    QDir(folder.dir.path()).mkdir("folder.tga");
    const QString pipe = folder.file("pipe.tga"); // opening it would wait for a writer
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    const QString missing = folder.file("missing.tga");
    for (const QString& path : {missing, folder.file("folder.tga"), pipe, WriteFile("empty.tga", {}),
                                WriteHeader("zero-wide.tga", 0, 64, QByteArray(300, 'x')),
                                WriteHeader("negative.tga", 64, -64, QByteArray(300, 'x')),
                                WriteHeader("huge.tga", 32767, 32767, QByteArray(3000, 'x'))}) {
        SCOPED_TRACE(path.toStdString());
        Load(path);
        EXPECT_TRUE(SameImage(bins->Picture1->Image(), left));
        EXPECT_TRUE(SameImage(bins->BackupPic->Image(), copy));
        EXPECT_EQ(bins->Backuppic2->Image().size(), QSize(256, 2048));
    }
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(dialogs.shown.empty());

    // Nor does it move the view, forget the hovered cell or report a wide set.
    Load(WriteSet("wide.tga", PatternImage(320, 128, 6)));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    bins->Command4_Click();
    bins->Picture1_MouseMove(0, 0, 200, 70);
    Load(missing);
    EXPECT_EQ(bins->Picture1->Left(), -64);
    EXPECT_EQ(bins->Text1->text(), "64");
    EXPECT_EQ(dialogs.shown.size(), 1u);

    // A file that ends early (as one cut while it is read) still loads: the
    // 700 whole rows and 5 pixels it holds, bottom row first, then each missing
    // byte keeps the previous pixel's value. The first selector drawn on it
    // leaves the clean copy as it was.
    const QImage set = PatternImage(2048, 1100, 4);
    const QString cut = WriteSet("cut.tga", set);
    ASSERT_TRUE(QFile::resize(cut, kTargaHeaderSize + 2048 * 3 * 700 + 5 * 3 + 1));
    Load(cut);
    const QRgb rest = qRgb(qRed(set.pixel(4, 399)), qGreen(set.pixel(4, 399)), qBlue(set.pixel(5, 399)));
    QImage want = set.copy();
    for (int y = 0; y < 400; ++y)
        for (int x = y < 399 ? 0 : 5; x < 2048; ++x)
            want.setPixel(x, y, rest);
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), want));
    Send(bins->Picture1, QEvent::MouseMove, {70, 70}, Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), want));
    ExpectShown(QPoint(55, 55), std::nullopt);
}

TEST_F(BinsSelector, BothBinsShareTheRememberedCell)
{
    const QImage startLeft = bins->Picture1->Image();
    // The memory starts at (64, 64): that cell draws nothing, in either bin.
    bins->Picture2_MouseMove(0, 0, 100, 127.5f);
    EXPECT_TRUE(SameImage(bins->Picture1->Image(), startLeft));
    EXPECT_TRUE(SameImage(bins->Picture2->Image(), SolidImage(256, 2048, kNavy)));
    bins->Picture2_MouseMove(0, 0, 130, 64);
    ExpectShown(std::nullopt, QPoint(119, 55));
    EXPECT_EQ(bins->Text9->text(), "128");
    EXPECT_EQ(bins->Text1->text(), "64");
    // The same cell of the other bin leaves the selector where it is.
    bins->Picture1_MouseMove(0, 0, 191, 70);
    ExpectShown(std::nullopt, QPoint(119, 55));
    bins->Picture1_MouseMove(0, 0, 0, 0);
    ExpectShown(QPoint(-9, -9), std::nullopt);
    bins->Picture2_MouseMove(0, 0, 255, 2047);
    ExpectShown(std::nullopt, QPoint(183, 1975));
    bins->Picture1_MouseDown(1, 0, 70, 70); // a press never draws it
    ExpectShown(std::nullopt, QPoint(183, 1975));

    // After a load "newload" counts as 0, and Text9 is kept.
    bins->Picture1_MouseMove(0, 0, 10, 300);
    Load(WriteSet("set.tga", PatternImage(256, 640, 1)));
    EXPECT_EQ(bins->Text9->text(), "0");
    bins->Picture1_MouseMove(0, 0, 5, 10);
    ExpectShown(std::nullopt, std::nullopt);
    EXPECT_EQ(bins->Text1->text(), "0");
    bins->Picture1_MouseMove(0, 0, 5, 70);
    ExpectShown(QPoint(-9, 55), std::nullopt);
}

// The bin shares its pixels with its clean copy while the selector is on it:
// what the bin shows on screen, what a pixel read and a pick see, and the
// clean copy must all stay as they would with the selector drawn into a copy.
TEST_F(BinsSelector, HoverPickAndTwoFlipsShowAndPickTheSetAsItIs)
{
    const QImage set = PatternImage(320, 200, 5), flipped = set.mirrored(false, true);
    Load(WriteSet("s.tga", set));
    auto pixelsRead = [&] { // through GetPixel, which leaves the bin as it is
        QImage img(bins->Picture1->Width(), bins->Picture1->Height(), QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, PictureBuffer::ToQRgb(bins->Picture1->GetPixel(x, y)));
        return img;
    };
    bins->Picture1_MouseMove(1, 0, 70, 70);
    EXPECT_TRUE(SameImage(pixelsRead(), Shown(set, set.size(), QPoint(55, 55))));
    EXPECT_TRUE(SameImage(bins->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32),
                          Shown(set, set.size(), QPoint(55, 55))));
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), set));
    EXPECT_TRUE(SameImage(layers->Image1->Image(), CellOf(set, 64, 64)));
    bins->Picture1_MouseMove(0, 0, 150, 10);
    EXPECT_TRUE(SameImage(pixelsRead(), Shown(set, set.size(), QPoint(119, -9))));

    bins->leftbin_Click();
    EXPECT_TRUE(SameImage(pixelsRead(), flipped));
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), flipped));
    bins->Picture1_MouseMove(2, 0, 70, 70);
    EXPECT_TRUE(SameImage(pixelsRead(), Shown(flipped, set.size(), QPoint(55, 55))));
    EXPECT_TRUE(SameImage(layers->Image2->Image(), CellOf(flipped, 64, 64)));
    bins->leftbin_Click();
    EXPECT_TRUE(SameImage(bins->Picture1->Image(), set));
    EXPECT_TRUE(SameImage(bins->BackupPic->Image(), set));
}

TEST_F(BinsPicking, ButtonsPickTheCellIntoTheirLayer)
{
    const QImage set = PatternImage(320, 256, 11);
    Load(WriteSet("set.tga", set));
    const QImage startB = layers->Image2->Image();

    bins->Picture1_MouseDown(1, 0, 70, 10);
    EXPECT_TRUE(SameImage(layers->Image1->Image(), CellOf(set, 64, 0)));
    EXPECT_TRUE(SameImage(layers->Image2->Image(), startB));
    bins->Picture1_MouseDown(2, 1, 200, 130);
    EXPECT_TRUE(SameImage(layers->Image2->Image(), CellOf(set, 192, 128)));
    ExpectShown(std::nullopt, std::nullopt);

    // The middle button, and moves with no button or both held, pick nothing.
    const QImage a = layers->Image1->Image(), b = layers->Image2->Image();
    bins->Picture1_MouseDown(4, 0, 10, 10);
    bins->Picture1_MouseMove(3, 0, 10, 200);
    bins->Picture1_MouseMove(4, 0, 70, 200);
    bins->Picture1_MouseMove(0, 0, 130, 200);
    EXPECT_TRUE(SameImage(layers->Image1->Image(), a));
    EXPECT_TRUE(SameImage(layers->Image2->Image(), b));
    ExpectShown(QPoint(119, 183), std::nullopt);

    // A held button picks on every move, also within one cell.
    bins->Picture1_MouseMove(1, 0, 300, 200);
    EXPECT_TRUE(SameImage(layers->Image1->Image(), CellOf(set, 256, 192)));
    layers->Image1->SetPixel(5, 5, 0x00010203);
    bins->Picture1_MouseMove(1, 0, 301, 201);
    EXPECT_TRUE(SameImage(layers->Image1->Image(), CellOf(set, 256, 192)));
    bins->Picture1_MouseMove(2, 0, 310, 250);
    EXPECT_TRUE(SameImage(layers->Image2->Image(), CellOf(set, 256, 192)));
    ExpectShown(QPoint(247, 183), std::nullopt);
}

TEST_F(BinsPicking, CellsBeyondTheSetAreReadAsWhite)
{
    const QImage set = PatternImage(100, 100, 4);
    Load(WriteSet("small.tga", set));
    // A partial cell at the bottom-right corner.
    bins->Picture1_MouseDown(2, 0, 99, 99);
    EXPECT_TRUE(SameImage(layers->Image2->Image(), CellOf(set, 64, 64)));
    EXPECT_EQ(layers->Image2->GetPixel(40, 0), 0x00FFFFFF);

    // Real mouse events: a press on a cell, then a drag out past the left edge.
    Send(bins->Picture1, QEvent::MouseButtonPress, {70, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(SameImage(layers->Image1->Image(), CellOf(set, 64, 0)));
    Send(bins->Picture1, QEvent::MouseMove, {-10, 10}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(bins->Text9->text(), "-64");
    EXPECT_EQ(bins->Text1->text(), "0");
    EXPECT_TRUE(SameImage(layers->Image1->Image(), SolidImage(64, 64, 0x00FFFFFF)));
    ExpectShown(QPoint(-73, -9), std::nullopt); // only its right edge overlaps the set
    Send(bins->Picture1, QEvent::MouseMove, {-10, 120}, Qt::NoButton, Qt::LeftButton);
    ExpectShown(QPoint(-73, 55), std::nullopt);
}

TEST_F(BinsPaging, ArrowsMoveABinOnlyWhileMoreOfItLiesBeyondTheWindow)
{
    Load(WriteSet("300.tga", PatternImage(300, 640)));
    for (int i = 0; i < 3; ++i)
        bins->Command4_Click();
    EXPECT_EQ(bins->Picture1->Left(), -64);
    bins->Command1_Click();
    bins->Command1_Click();
    EXPECT_EQ(bins->Picture1->Left(), 0);
    bins->Command3_Click();
    bins->Command2_Click();
    EXPECT_EQ(bins->Picture1->Top(), 0);

    Load(WriteSet("700.tga", PatternImage(256, 700)));
    bins->Command4_Click();
    bins->Command3_Click();
    bins->Command3_Click();
    EXPECT_EQ(bins->Picture1->pos(), QPoint(0, -64));
    bins->Command2_Click();
    bins->Command2_Click();
    EXPECT_EQ(bins->Picture1->Top(), 0);

    // The right bin: 22 rows down, then no further; paging leaves its picture.
    bins->Picture2_MouseDown(1, 0, 10, 10);
    const QImage shown = bins->Picture2->Image();
    for (int i = 1; i <= 23; ++i) {
        bins->Command7_Click();
        EXPECT_EQ(bins->Picture2->Top(), std::max(-64 * i, -1408)) << "after " << i;
    }
    for (int i = 0; i < 23; ++i)
        bins->Command8_Click();
    EXPECT_EQ(bins->Picture2->Top(), 0);
    EXPECT_EQ(bins->Picture2->Left(), 749);
    EXPECT_TRUE(SameImage(bins->Picture2->Image(), shown));
    EXPECT_EQ(bins->CustomSetHeight(), 64);
}

TEST_F(BinsPaging, WhileSavingTheMouseIsIgnoredButTheArrowsPage)
{
    Load(WriteSet("wide.tga", PatternImage(320, 704)));
    bins->Picture2_MouseDown(1, 0, 10, 10); // one cell in use, so the save writes rows
    const QImage a = layers->Image1->Image(), b = layers->Image2->Image();
    const QImage left = bins->Picture1->Image(), right = bins->Picture2->Image(), master = bins->Backuppic2->Image();
    dialogs.saveAnswers = {folder.file("busy.tga")};
    bool looked = false;
    bins->DoEvents = [&] {
        if (looked)
            return;
        looked = true;
        bins->Picture1_MouseDown(1, 0, 70, 70);
        bins->Picture1_MouseMove(2, 0, 130, 130);
        bins->Picture2_MouseDown(1, 1, 70, 70);
        bins->Picture2_MouseMove(1, 0, 130, 130);
        bins->Command4_Click();
        bins->Command3_Click();
        bins->Command7_Click();
    };
    bins->savetexset_Click();
    ASSERT_TRUE(looked);
    EXPECT_TRUE(SameImage(layers->Image1->Image(), a));
    EXPECT_TRUE(SameImage(layers->Image2->Image(), b));
    EXPECT_TRUE(SameImage(bins->Picture1->Image(), left));
    EXPECT_TRUE(SameImage(bins->Picture2->Image(), right));
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), master));
    EXPECT_EQ(bins->CustomSetHeight(), 64);
    EXPECT_EQ(bins->Text9->text(), "64");
    EXPECT_EQ(bins->Text1->text(), "newload");
    EXPECT_EQ(bins->Picture1->pos(), QPoint(-64, -64));
    EXPECT_EQ(bins->Picture2->Top(), -64);
}

namespace {
// The Custom Texture Set as it must be: navy, with the given cells pasted in.
QImage CustomSet(std::initializer_list<std::tuple<int, int, QImage>> cells)
{
    QImage img = SolidImage(256, 2048, kNavy);
    for (const auto& [cx, cy, tile] : cells)
        for (int j = 0; j < 64; ++j)
            for (int i = 0; i < 64; ++i)
                img.setPixel(cx + i, cy + j, tile.pixel(i, j));
    return img;
}
} // namespace

TEST_F(BinsStamping, PressesStampTheLayerOfTheirButtonAndRaiseTheUsedHeight)
{
    const QImage a = PatternImage(64, 64, 21), b = PatternImage(64, 64, 77);
    layers->Image1->setPicture(a);
    layers->Image2->setPicture(b);
    bins->Picture2_MouseMove(0, 0, 150, 330); // a selector there first

    bins->Picture2_MouseDown(1, 0, 150, 330);
    EXPECT_EQ(bins->CustomSetHeight(), 384);
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), CustomSet({{128, 320, a}})));
    ExpectShown(std::nullopt, std::nullopt);
    bins->Picture2_MouseDown(2, 0, 10, 127.9f);
    EXPECT_EQ(bins->CustomSetHeight(), 384);
    bins->Picture2_MouseDown(4, 0, 200, 1000); // the middle button does nothing
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), CustomSet({{128, 320, a}, {0, 64, b}})));
    bins->Picture2_MouseDown(1, 0, 255.5f, 1984);
    EXPECT_EQ(bins->CustomSetHeight(), 2048);
    ExpectShown(std::nullopt, std::nullopt);
    EXPECT_TRUE(SameImage(layers->Image1->Image(), a));
    EXPECT_TRUE(SameImage(layers->Image2->Image(), b));
}

TEST_F(BinsStamping, ShiftPicksTheCellFirstButNotWithCtrl)
{
    const QImage a = PatternImage(64, 64, 21), other = PatternImage(64, 64, 99);
    layers->Image1->setPicture(a);
    bins->Picture2_MouseDown(1, 0, 70, 70);
    layers->Image1->setPicture(other);

    // Shift + left: the cell comes into layer A and is stamped back as it was.
    Send(bins->Picture2, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(SameImage(layers->Image1->Image(), a));
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), CustomSet({{64, 64, a}})));
    EXPECT_TRUE(SameImage(form->colorKeying->Ckey1->Image(), other)); // a pick raises nothing
    // Shift + right on an empty cell below the set: layer B turns navy and the height rises.
    bins->Picture2_MouseDown(2, 1, 130, 650);
    EXPECT_TRUE(SameImage(layers->Image2->Image(), SolidImage(64, 64, kNavy)));
    EXPECT_EQ(bins->CustomSetHeight(), 704);
    // Shift + Ctrl + left: no pick, layer A is stamped.
    layers->Image1->setPicture(other);
    bins->Picture2_MouseDown(1, 3, 70, 70);
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), CustomSet({{64, 64, other}})));
    EXPECT_TRUE(SameImage(layers->Image1->Image(), other));

    // A selector around the neighbouring cell reaches 9 pixels into this one:
    // the pick leaves it out, so the stamp puts the cell back as it was.
    bins->Picture2_MouseMove(0, 0, 70, 130);
    bins->Picture2_MouseDown(1, 1, 130, 130);
    EXPECT_TRUE(SameImage(layers->Image1->Image(), SolidImage(64, 64, kNavy)));
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), CustomSet({{64, 64, other}})));
}

TEST_F(BinsStamping, DragsStampWithOneButtonAndNeverOutsideTheSet)
{
    const QImage a = PatternImage(64, 64, 5), b = PatternImage(64, 64, 6);
    layers->Image1->setPicture(a);
    layers->Image2->setPicture(b);
    bins->Picture2_MouseMove(1, 0, 10, 10);
    bins->Picture2_MouseMove(1, 0, 70, 10);
    bins->Picture2_MouseMove(1, 0, 75, 20); // the same cell again
    bins->Picture2_MouseMove(2, 0, 130, 10);
    ExpectShown(std::nullopt, std::nullopt);
    const QImage stamped = CustomSet({{0, 0, a}, {64, 0, a}, {128, 0, b}});
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), stamped));

    // Both buttons, or the middle one, stamp nothing while the selector follows.
    bins->Picture2_MouseMove(3, 0, 200, 200);
    ExpectShown(std::nullopt, QPoint(183, 183));
    bins->Picture2_MouseMove(4, 0, 200, 300);
    ExpectShown(std::nullopt, QPoint(183, 247));
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), stamped));
    EXPECT_EQ(bins->CustomSetHeight(), 64);

    // A drag that leaves the bin addresses cells outside the set.
    for (auto [x, y] : {std::pair{10.f, 2050.f}, {-10.f, 100.f}, {260.f, 100.f}, {10.f, -1.f}})
        bins->Picture2_MouseMove(1, 0, x, y);
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), stamped));
    EXPECT_EQ(bins->CustomSetHeight(), 64);
    // Each move still reloads the right bin from its master copy, so no
    // selector is left on its edge.
    ExpectShown(std::nullopt, std::nullopt);
}

TEST_F(BinsStamping, QuickSecondPressesStampAndPickToo)
{
    // The second press of a quick double click acts like any press.
    const QImage a = PatternImage(64, 64, 21);
    layers->Image1->setPicture(a);
    QuickClicks(bins->Picture2, {62, 200}, {66, 200}); // cells (0, 3) and (1, 3)
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), CustomSet({{0, 192, a}, {64, 192, a}})));

    const QImage set = PatternImage(320, 256, 11);
    Load(WriteSet("set.tga", set));
    QuickClicks(bins->Picture1, {62, 30}, {66, 30});
    EXPECT_TRUE(SameImage(layers->Image1->Image(), CellOf(set, 64, 0)));
}

// A long run of hovers, picks, stamps, paging and loads on both bins, checked
// after every step against an account of what each bin and layer must hold.
TEST_F(BinsSelector, BinsAlwaysShowTheirCleanCopyPlusTheCurrentSelectorOnly)
{
    QImage leftClean = PatternImage(300, 200, 2);
    Load(WriteSet("a.tga", leftClean));
    const QString second = WriteSet("b.tga", PatternImage(130, 70, 7));
    QImage custom = SolidImage(256, 2048, kNavy), a = layers->Image1->Image(), b = layers->Image2->Image();
    int memX = 64, memY = 0, used = 0;
    std::optional<QPoint> selLeft, selRight;

    uint32_t seed = 20240611;
    auto next = [&](int n) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % uint32_t(n));
    };
    auto hover = [&](bool right, int cx, int cy) {
        if (cx == memX && cy == memY)
            return;
        (right ? selRight : selLeft) = QPoint(cx - 9, cy - 9);
        (right ? selLeft : selRight).reset();
        memX = cx;
        memY = cy;
    };
    auto stamp = [&](const QImage& layer, int cx, int cy) {
        selRight.reset(); // every stamp reloads the right bin
        if (cx < 0 || cy < 0 || cx >= 256 || cy >= 2048)
            return;
        for (int j = 0; j < 64; ++j)
            for (int i = 0; i < 64; ++i)
                custom.setPixel(cx + i, cy + j, layer.pixel(i, j));
        used = std::max(used, cy + 64);
        selRight.reset();
    };
    auto leftShown = [&] { return Shown(leftClean, leftClean.size(), selLeft); };

    for (int step = 0; step < 160; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const int kind = next(12);
        const bool right = kind >= 5 && kind <= 9;
        const float X = float((next(7) - 1) * 64 + next(64)) + 0.25f;
        const float Y = right ? float((std::array{-1, 0, 1, 2, 31, 32}[next(6)]) * 64 + next(64)) + 0.5f
                              : float((next(5) - 1) * 64 + next(64)) + 0.5f;
        const int cx = CellOrigin(X), cy = CellOrigin(Y);
        if (step == 80) {
            Load(second);
            leftClean = PatternImage(130, 70, 7);
            selLeft.reset();
            memY = 0;
        } else if (kind <= 2) {
            const int button = std::array{0, 0, 1, 2, 3}[next(5)];
            hover(false, cx, cy);
            if (button == 1 || button == 2)
                (button == 1 ? a : b) = CellOf(leftClean, cx, cy);
            bins->Picture1_MouseMove(button, 0, X, Y);
        } else if (kind <= 4) {
            const int button = std::array{1, 2, 4}[next(3)];
            if (button != 4)
                (button == 1 ? a : b) = CellOf(leftClean, cx, cy);
            bins->Picture1_MouseDown(button, 0, X, Y);
        } else if (kind <= 7) {
            const int button = std::array{0, 0, 1, 2, 3, 4}[next(6)];
            hover(true, cx, cy);
            if (button == 1 || button == 2)
                stamp(button == 1 ? a : b, cx, cy);
            bins->Picture2_MouseMove(button, 0, X, Y);
        } else if (kind <= 9) {
            const int button = std::array{1, 2, 4}[next(3)], shift = std::array{0, 1, 3}[next(3)];
            QImage& layer = button == 1 ? a : b;
            if (button != 4 && shift == 1)
                layer = CellOf(custom, cx, cy);
            if (button != 4)
                stamp(layer, cx, cy);
            bins->Picture2_MouseDown(button, shift, X, Y);
        } else {
            QPushButton* arrows[] = {bins->Command1, bins->Command2, bins->Command3,
                                     bins->Command4, bins->Command7, bins->Command8};
            arrows[next(6)]->click();
        }
        ASSERT_TRUE(SameImage(bins->Picture1->Image(), leftShown())) << "left bin";
        ASSERT_TRUE(SameImage(bins->Picture2->Image(), Shown(custom, custom.size(), selRight))) << "right bin";
        ASSERT_TRUE(SameImage(bins->Backuppic2->Image(), custom)) << "master copy";
        ASSERT_TRUE(SameImage(layers->Image1->Image(), a)) << "layer A";
        ASSERT_TRUE(SameImage(layers->Image2->Image(), b)) << "layer B";
        ASSERT_EQ(bins->CustomSetHeight(), used);
        ASSERT_EQ(conv::Val(bins->Text9->text()), memX);
        ASSERT_EQ(conv::Val(bins->Text1->text()), memY);
    }
}

// Paging from the keyboard moves a bin under a pointer that rests on it; a
// move can also be handled while a flip lets the event loop run. The selector
// follows the pointer, and no pick, stamp, flip or save takes its pixels.
TEST_F(BinsSelector, ABinMovedUnderAStillPointerMovesTheSelectorWhichNothingTakes)
{
    const QImage set = PatternImage(256, 1024, 3), cell = CellOf(set, 64, 256);
    Load(WriteSet("tall.tga", set));
    form->show();
    QTest::mouseClick(bins->Command3, Qt::LeftButton); // pages by a row of cells
    QTest::mouseMove(bins->Picture1, {100, 200});
    QTest::keyClick(bins->Command3, Qt::Key_Space); // again, under the still pointer
    QCoreApplication::processEvents();
    ExpectShown(QPoint(55, 247), std::nullopt);
    QTest::mouseClick(bins->Picture1, Qt::LeftButton, {}, {100, 264});
    QTest::mouseClick(bins->Picture1, Qt::RightButton, {}, {100, 264});
    EXPECT_TRUE(SameImage(layers->Image1->Image(), cell));
    EXPECT_TRUE(SameImage(layers->Image2->Image(), cell));

    // The right bin: a stamp, its own arrows, then Shift + left on the cell now
    // under the pointer puts it back as it was.
    QTest::mouseClick(bins->Picture2, Qt::LeftButton, {}, {100, 264});
    QTest::mouseClick(bins->Command7, Qt::LeftButton);
    QTest::mouseMove(bins->Picture2, {100, 200});
    QTest::keyClick(bins->Command7, Qt::Key_Space);
    QCoreApplication::processEvents();
    ExpectShown(std::nullopt, QPoint(55, 247));
    QTest::mouseClick(bins->Picture2, Qt::LeftButton, Qt::ShiftModifier, {100, 264});
    QImage custom = SolidImage(256, 2048, kNavy);
    for (int j = 0; j < 64; ++j)
        for (int i = 0; i < 64; ++i)
            custom.setPixel(64 + i, 256 + j, cell.pixel(i, j));
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), custom));
    EXPECT_TRUE(SameImage(layers->Image1->Image(), cell));

    // A move over the rows below the set, handled in the right flip's turn of
    // the event loop, leaves no frame in the set; the saved file holds the set.
    QMouseEvent* move = new QMouseEvent(QEvent::MouseMove, QPointF(100, 700), bins->Picture2->mapToGlobal(QPointF(100, 700)),
                                        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::postEvent(bins->Picture2, move);
    bins->rightbin_Click();
    QImage flipped = custom;
    std::vector<std::vector<Colour>> rows(320, std::vector<Colour>(256));
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 256; ++x) {
            flipped.setPixel(x, y, custom.pixel(x, 319 - y));
            rows[y][x] = PictureBuffer::FromQRgb(custom.pixel(x, 319 - y));
        }
    EXPECT_TRUE(SameImage(bins->Backuppic2->Image(), flipped));
    dialogs.saveAnswers = {folder.file("out.tga")};
    bins->savetexset_Click();
    const std::vector<uint8_t> want = EncodeTarga(rows);
    QFile saved(folder.file("out.tga"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray(reinterpret_cast<const char*>(want.data()), qsizetype(want.size())));
}
