// The Filter / Rotate tab: quarter turns and mirrors of the work tile,
// applying a filter from the list, refreshing the list, and writing the
// result back to a layer.
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "core/filter_files.h"
#include "core/filter_tiles.h" // tests/core/filter_tiles.h
#include "core/picture_files.h"
#include "harness.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/filter_rotate.h"
#include "layer_tools/ghosting.h"
#include "platform/controls.h"
#include "platform/file_list.h"
#include "platform/tab_control.h"
#include "texture_set/layers.h"

namespace {

constexpr Colour kNavy = 0x00800000;

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
