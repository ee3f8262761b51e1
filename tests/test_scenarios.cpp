// A user's workflow across the units of the main window: load a set, pick
// tiles, key one layer over the other, turn it, stamp the results into the
// Custom Texture Set, save it and load it back. Checks the wiring between
// the units rather than any one of them.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "core/targa.h"
#include "harness.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/filter_rotate.h"
#include "layer_tools/ghosting.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"

namespace {

std::vector<std::vector<Colour>> Rows(const QImage& img)
{
    std::vector<std::vector<Colour>> rows(size_t(img.height()), std::vector<Colour>(size_t(img.width())));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            rows[size_t(y)][size_t(x)] = PictureBuffer::FromQRgb(img.pixel(x, y));
    return rows;
}

QImage Cell(const QImage& img, int cx, int cy) { return img.copy(cx, cy, 64, 64); }

} // namespace

using UserWorkflow = FormFixture;

TEST_F(UserWorkflow, LoadPickKeyTurnStampSaveAndLoadBack)
{
    form->Form_Load();
    TextureBins& bins = *form->bins;
    Layers& layers = *form->layers;

    // A set with a magenta backdrop in its second tile, to key away.
    QImage set = PatternImage(256, 128, 4);
    for (int y = 0; y < 64; ++y)
        for (int x = 64; x < 128; ++x)
            if ((x - 64) < 16 || y < 16)
                set.setPixel(x, y, PictureBuffer::ToQRgb(0x00FF00FF));
    const auto bytes = EncodeTarga(Rows(set));
    const QString setFile = folder.file("set.tga");
    {
        QFile f(setFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    dialogs.openAnswers = {setFile};
    form->ToolPick_Click(11); // Load
    ASSERT_EQ(bins.Picture1->Image(), set);

    // Tile 1 into layer A, tile 2 into layer B.
    bins.Picture1_MouseMove(0, 0, 10, 10);
    bins.Picture1_MouseDown(1, 0, 10, 10);
    bins.Picture1_MouseMove(0, 0, 70, 10);
    bins.Picture1_MouseDown(2, 0, 70, 10);
    EXPECT_EQ(layers.Image1->Image(), Cell(set, 0, 0));
    EXPECT_EQ(layers.Image2->Image(), Cell(set, 64, 0));

    // Color Keying: B on top, key magenta, the result set into layer A.
    form->colorkey_Click();
    ColorKeying& keying = *form->colorKeying;
    keying.Command12_Click();
    keying.CKeyPicker->onMouseDown(1, 0, 2, 2);
    keying.CKeyPicker->onMouseUp(1, 0, 2, 2);
    QImage keyed = Cell(set, 0, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (set.pixel(64 + x, y) != PictureBuffer::ToQRgb(0x00FF00FF))
                keyed.setPixel(x, y, set.pixel(64 + x, y));
    EXPECT_EQ(keying.Picture4->Image(), keyed);
    const uint64_t blendBefore = form->ghosting->Picture11->revision();
    keying.Command14_Click();
    EXPECT_EQ(layers.Image1->Image(), keyed);
    // The replaced layer reached the keying thumbnail and the ghosting input,
    // and the blend was recomputed.
    EXPECT_EQ(form->colorKeying->Ckey1->Image(), keyed);
    EXPECT_EQ(form->ghosting->Picture9->Image(), keyed);
    EXPECT_NE(form->ghosting->Picture11->revision(), blendBefore);

    // Filter / Rotate: a quarter turn clockwise into layer B.
    form->filter_Click();
    FilterRotate& turn = *form->filterRotate;
    turn.Command39_Click();
    turn.Command37_Click();
    turn.Command42_Click();
    const QImage turned = keyed.transformed(QTransform().rotate(90));
    EXPECT_EQ(layers.Image2->Image(), turned);
    EXPECT_EQ(form->colorKeying->Ckey2->Image(), turned);

    // Stamp both into the Custom Texture Set, save, and load it back.
    bins.Picture2_MouseDown(1, 0, 70, 70);
    bins.Picture2_MouseDown(2, 0, 200, 130);
    ASSERT_EQ(bins.CustomSetHeight(), 192);
    dialogs.saveAnswers = {folder.file("mine")};
    form->ToolPick_Click(12); // Save
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().text, "Custom Texture Set successfully saved!");
    dialogs.openAnswers = {folder.file("mine.tga")};
    form->loadtexset_Click();
    EXPECT_EQ(bins.Picture1->Width(), 256);
    EXPECT_EQ(bins.Picture1->Height(), 192);
    EXPECT_EQ(Cell(bins.Picture1->Image(), 64, 64), keyed);
    EXPECT_EQ(Cell(bins.Picture1->Image(), 192, 128), turned);
    EXPECT_EQ(bins.Picture1->GetPixel(0, 0), 0x00800000); // never stamped: navy
}
