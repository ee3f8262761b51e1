// The 1/4 Tiles tab: reducing a layer to a quarter by point sampling and
// pasting the reduction into a corner of layer A or B by drawing, which
// leaves the layers' mirrors alone.
#include <gtest/gtest.h>

#include "harness.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/ghosting.h"
#include "layer_tools/quarter_tiles.h"
#include "platform/controls.h"
#include "platform/wrap_button.h"
#include "texture_set/layers.h"

namespace {

constexpr Colour kNavy = 0x00800000;

Colour At(const QImage& img, int x, int y) { return PictureBuffer::FromQRgb(img.pixel(x, y)); }

struct QuarterTilesTest : FormFixture {
    QuarterTiles* tab = nullptr;
    Layers* layers = nullptr;
    int mirrorChanges = 0;

    void SetUp() override
    {
        FormFixture::SetUp();
        tab = form->quarterTiles.get();
        layers = form->layers.get();
        for (PictureBuffer* mirror :
             {form->colorKeying->Ckey1, form->colorKeying->Ckey2, form->colorKeying->Ckey3, form->ghosting->Picture9, form->ghosting->Picture10}) {
            mirror->onChange = [this, previous = mirror->onChange] {
                ++mirrorChanges;
                if (previous)
                    previous();
            };
        }
    }
    // The corner of `layer` at (ox, oy), 32 x 32, equals the reduction of
    // `source`; every other pixel equals `before`.
    void ExpectQuadrant(const PictureBuffer* layer, const QImage& before, const QImage& source, int ox, int oy)
    {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const bool inside = x >= ox && x < ox + 32 && y >= oy && y < oy + 32;
                const Colour want = inside ? At(source, 2 * (x - ox), 2 * (y - oy)) : At(before, x, y);
                ASSERT_EQ(layer->GetPixel(x, y), want) << "at " << x << "," << y;
            }
    }
};

} // namespace

TEST(ReduceToQuarter, KeepsTheTopLeftPixelOfEveryTwoByTwoBlock)
{
    const QImage tile = PatternImage(64, 64, 7);
    const QImage half = ReduceToQuarter(tile);
    ASSERT_EQ(half.size(), QSize(32, 32));
    for (int j = 0; j < 32; ++j)
        for (int i = 0; i < 32; ++i)
            ASSERT_EQ(At(half, i, j), At(tile, 2 * i, 2 * j));

    // A one-pixel checkerboard keeps only the colour of its pixel (0, 0).
    QImage board(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            board.setPixel(x, y, PictureBuffer::ToQRgb((x + y) % 2 ? 0x00FFFFFF : 0x00123456));
    EXPECT_EQ(ReduceToQuarter(board), SolidImage(32, 32, 0x00123456));
}

TEST_F(QuarterTilesTest, LoadingReducesAtOnceAndKeepsPrivateCopies)
{
    const QImage a = PatternImage(64, 64, 11), b = PatternImage(64, 64, 40);
    layers->Image1->setPicture(a);
    layers->Image2->setPicture(b);

    tab->Command18->click();
    EXPECT_EQ(tab->Picture7->Image(), a);
    EXPECT_EQ(tab->Picture8->Image(), ReduceToQuarter(a));

    tab->Command19->click();
    EXPECT_EQ(tab->Picture7->Image(), b);
    EXPECT_EQ(tab->Picture8->Image(), ReduceToQuarter(b));

    // Changing layer B afterwards (a pick, another tab) leaves both tiles.
    layers->Image2->setPicture(SolidImage(64, 64, 0x000000FF));
    layers->Image2->SetPixel(0, 0, 0x0000FF00);
    EXPECT_EQ(tab->Picture7->Image(), b);
    EXPECT_EQ(tab->Picture8->Image(), ReduceToQuarter(b));
}

TEST_F(QuarterTilesTest, FourCornersBuildOneTileWithoutRefreshingTheMirrors)
{
    const QImage before = PatternImage(64, 64, 3);
    layers->Image1->setPicture(before);
    const QImage ckeyBefore = form->colorKeying->Ckey1->Image(), ghostBefore = form->ghosting->Picture9->Image();
    mirrorChanges = 0;

    // Four different reductions into the four corners of layer A.
    const QImage sources[4] = {PatternImage(64, 64, 50), PatternImage(64, 64, 90), PatternImage(64, 64, 130),
                               PatternImage(64, 64, 170)};
    const int origins[4][2] = {{0, 0}, {32, 0}, {0, 32}, {32, 32}};
    QImage expected = before;
    for (int k = 0; k < 4; ++k) {
        layers->Image2->setPicture(sources[k]);
        tab->Command19_Click();
        const int changesBefore = mirrorChanges;
        CommandButton* corners[4] = {tab->Command21, tab->Command22, tab->Command23, tab->Command24};
        corners[k]->click();
        EXPECT_EQ(mirrorChanges, changesBefore) << "a corner paste raised the cascade";
        ExpectQuadrant(layers->Image1, expected, sources[k], origins[k][0], origins[k][1]);
        expected = layers->Image1->Image();
    }
    // Layer B, the mirrors of A and the tab's own tiles are untouched by the pastes.
    EXPECT_EQ(layers->Image2->Image(), sources[3]);
    EXPECT_EQ(form->colorKeying->Ckey1->Image(), ckeyBefore);
    EXPECT_EQ(form->ghosting->Picture9->Image(), ghostBefore);
    EXPECT_EQ(tab->Picture7->Image(), sources[3]);

    // Pasting the same corner again changes nothing.
    tab->Command24_Click();
    EXPECT_EQ(layers->Image1->Image(), expected);
}

TEST_F(QuarterTilesTest, TheTargetButtonTogglesBetweenLayersAAndB)
{
    const QImage a = PatternImage(64, 64, 1), b = PatternImage(64, 64, 2);
    layers->Image1->setPicture(a);
    layers->Image2->setPicture(b);
    tab->Command18_Click(); // reduce layer A

    EXPECT_EQ(tab->Command20->Caption(), QStringLiteral("Set to layer A, in corner:"));
    tab->Command20->click();
    EXPECT_EQ(tab->Command20->Caption(), QStringLiteral("Set to layer B, in corner:"));
    tab->Command22_Click(); // top right of layer B
    EXPECT_EQ(layers->Image1->Image(), a);
    ExpectQuadrant(layers->Image2, b, a, 32, 0);

    // Pasting into the layer the tile came from changes only its quadrant;
    // the tab's tiles stay as they were.
    tab->Command20_Click();
    EXPECT_EQ(tab->Command20->Caption(), QStringLiteral("Set to layer A, in corner:"));
    tab->Command23_Click();
    ExpectQuadrant(layers->Image1, a, a, 0, 32);
    EXPECT_EQ(tab->Picture7->Image(), a);
    EXPECT_EQ(tab->Picture8->Image(), ReduceToQuarter(a));
}

TEST_F(QuarterTilesTest, APasteBeforeAnyLoadWritesANavySquare)
{
    const QImage before = PatternImage(64, 64, 5);
    layers->Image1->setPicture(before);
    tab->Command24_Click();
    ExpectQuadrant(layers->Image1, before, SolidImage(64, 64, kNavy), 32, 32);
}
