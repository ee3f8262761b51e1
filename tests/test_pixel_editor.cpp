// The editing surface (brushes, picking, undo, marking a selection), the
// spray and the palette, and the tools that act on the whole surface.
#include <QMouseEvent>
#include <QApplication>
#include <QTest>

#include "artwork/pixel_editor_art.h"
#include "test_pixel_editor_fixture.h"

namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlack = 0;
constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kGrey = 0x00808080;

Colour Inverse(Colour c) { return c ^ 0x00FFFFFF; }

// The level of the pristine spray tip at (c, r).
int TipLevel(int c, int r) { return SplitColor(PictureBuffer::FromQRgb(artwork::SprayTip().pixel(c, r))).red; }

} // namespace

TEST_F(PixelEditing, EveryBrushGrowsRightAndDownAndStopsAtTheSurfaceEdges)
{
    PickPencil();
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(k);
        SetBrush(k);
        // Top-left corner: the whole k x k square.
        Pick(0); // Clear All
        PickPencil();
        SetBrush(k);
        Down(1, 0, 0);
        EXPECT_EQ(PaintedBlocks(), k * k);
        EXPECT_TRUE(BlockIs(k - 1, k - 1, kGrey));
        EXPECT_EQ(Block(k, 0), kWhite);
        // Bottom-right corner: cut at the edge, nothing wraps to the other side.
        Pick(0);
        PickPencil();
        SetBrush(k);
        Down(1, 60, 60);
        const int n = std::min(k, 4);
        EXPECT_EQ(PaintedBlocks(), n * n);
        EXPECT_TRUE(BlockIs(60 + n - 1, 60 + n - 1, kGrey));
        EXPECT_EQ(Block(59, 60), kWhite);
        EXPECT_EQ(pic->GetPixel(447, 447), k >= 4 ? kGrey : kWhite);
    }

    // "4 pixel brush" at (100, 100): exactly the square (98, 98)-(111, 111).
    Pick(0);
    PickPencil();
    SetBrush(2);
    s->PixEditPic_MouseDown(1, 0, 100, 100);
    EXPECT_EQ(pic->GetPixel(98, 98), kGrey);
    EXPECT_EQ(pic->GetPixel(111, 111), kGrey);
    EXPECT_EQ(pic->GetPixel(97, 100), kWhite);
    EXPECT_EQ(pic->GetPixel(112, 100), kWhite);
    EXPECT_EQ(pic->GetPixel(100, 112), kWhite);

    // A captured drag left of the surface: the block origin rounds down to
    // -7, so only tile column 0 of the two columns lands.
    Pick(0);
    PickPencil();
    SetBrush(2);
    s->PixEditPic_MouseMove(1, 0, -3, At(10));
    EXPECT_EQ(PaintedBlocks(), 2);
    EXPECT_TRUE(BlockIs(0, 10, kGrey));
    EXPECT_TRUE(BlockIs(0, 11, kGrey));
    // Far outside, nothing is drawn at all.
    s->PixEditPic_MouseMove(1, 0, 5000, -5000);
    EXPECT_EQ(PaintedBlocks(), 2);
}

TEST_F(PixelEditing, ButtonsAreComparedExactlyAndDrawingNeedsTheLoadStep)
{
    PickPencil();
    ed->tools->Command32->setEnabled(false);
    // Middle button: undo point and Undo enabled, but no paint and no pick.
    Down(4, 5, 5);
    EXPECT_TRUE(ed->tools->Command32->isEnabled());
    EXPECT_EQ(PaintedBlocks(), 0);
    EXPECT_EQ(s->CurrentColor(), kGrey);
    // Both buttons held while moving: nothing.
    Move(3, 6, 6);
    EXPECT_EQ(PaintedBlocks(), 0);
    // Before the load step enables drawing, a left press paints nothing.
    ed->DrawEnabled = false;
    Down(1, 7, 7);
    Move(1, 8, 8);
    EXPECT_EQ(PaintedBlocks(), 0);
    ed->DrawEnabled = true;
    Move(1, 8, 8);
    EXPECT_EQ(PaintedBlocks(), 1);
}

TEST_F(PixelEditing, RightButtonPicksTheExactPixelAndOnlyThePressRetintsTheTip)
{
    const QImage tile = PatternImage(64, 64, 5);
    ShowTile(tile);
    PickPencil();
    Down(2, 5, 7);
    EXPECT_EQ(s->CurrentColor(), PixelOf(tile, 5, 7));
    const QImage tintAtPress = ed->spray->BlendBrush->Image();
    EXPECT_EQ(tintAtPress, pixel_ops::TintTip(artwork::SprayTip(), PixelOf(tile, 5, 7)));
    // A right drag follows the mouse but keeps the tip tinted as at the press.
    Move(2, 20, 30);
    EXPECT_EQ(s->CurrentColor(), PixelOf(tile, 20, 30));
    EXPECT_EQ(ed->spray->BlendBrush->Image(), tintAtPress);
    // A read beyond the surface (CLng(447.6) = 448) keeps the colour; the press
    // still re-tints with it.
    s->PixEditPic_MouseDown(2, 0, 447.6f, 10);
    EXPECT_EQ(s->CurrentColor(), PixelOf(tile, 20, 30));
    EXPECT_EQ(ed->spray->BlendBrush->Image(), pixel_ops::TintTip(artwork::SprayTip(), PixelOf(tile, 20, 30)));
    s->PixEditPic_MouseMove(2, 0, -20, -20);
    EXPECT_EQ(s->CurrentColor(), PixelOf(tile, 20, 30));
    // The picked colour paints.
    Down(1, 0, 0);
    EXPECT_TRUE(BlockIs(0, 0, PixelOf(tile, 20, 30)));
}

TEST_F(PixelEditing, UndoHasOneLevelTakenAtEachNonSprayPress)
{
    // Before any undo point the surface comes back blank.
    PickPencil();
    s->PaintBrushAt(10, 10, kRed);
    ed->tools->Command32_Click();
    EXPECT_EQ(PaintedBlocks(), 0);
    EXPECT_FALSE(ed->tools->Command32->isEnabled());

    // A whole stroke is one step.
    Down(1, 1, 1);
    Move(1, 2, 1);
    Move(1, 3, 1);
    Up(1, 3, 1);
    EXPECT_EQ(PaintedBlocks(), 3);
    const QImage afterFirst = Tile();
    Down(1, 10, 10);
    Move(1, 11, 10);
    EXPECT_EQ(PaintedBlocks(), 5);
    Pick(1); // Undo
    EXPECT_EQ(Tile(), afterFirst);
    Pick(1); // the undo point is not used up
    EXPECT_EQ(Tile(), afterFirst);

    // A spray press takes no undo point: Undo goes back past it to the state
    // before the last non-spray press.
    Down(1, 30, 30); // undo point: afterFirst
    Pick(4);         // Spraycan
    Down(1, 40, 40);
    Move(1, 41, 40);
    Pick(1);
    EXPECT_EQ(Tile(), afterFirst);
}

TEST_F(PixelEditing, SelectionModeDrawsAnInvertedBandThatEveryMoveRedraws)
{
    const QImage tile = PatternImage(64, 64, 9);
    ShowTile(tile);
    PickSelection();
    EXPECT_TRUE(ed->SelectMode);

    // Anchor at block (10, 10), drag to (5, 5): the band encloses 5..10.
    Down(1, 10, 10);
    EXPECT_TRUE(ed->SelectAnchored);
    Move(1, 5, 5);
    EXPECT_EQ(ed->SelX1, 70);
    EXPECT_EQ(ed->SelX2, 35);
    const int L = 35, R = 77;
    EXPECT_EQ(pic->GetPixel(50, L), Inverse(PixelOf(tile, 50 / 7, 5)));
    EXPECT_EQ(pic->GetPixel(L, 50), Inverse(PixelOf(tile, 5, 50 / 7)));
    EXPECT_EQ(pic->GetPixel(R, 50), Inverse(PixelOf(tile, 11, 50 / 7)));
    EXPECT_EQ(pic->GetPixel(50, R), Inverse(PixelOf(tile, 50 / 7, 11)));
    EXPECT_EQ(pic->GetPixel(50, 50), PixelOf(tile, 7, 7)); // inside: untouched
    // The same rectangle dragged the other way draws the same band.
    const QImage band = pic->Image();
    Up(1, 5, 5);
    Down(1, 5, 5);
    Move(1, 10, 10);
    EXPECT_EQ(pic->Image(), band);

    // The next move erases the old band before drawing the new one.
    Move(1, 12, 12);
    EXPECT_EQ(pic->GetPixel(R, 50), PixelOf(tile, 11, 50 / 7));
    EXPECT_EQ(pic->GetPixel(91, 50), Inverse(PixelOf(tile, 13, 50 / 7)));
    // The release keeps selection mode and shows the list; the band stays.
    Up(1, 12, 12);
    EXPECT_TRUE(ed->SelectMode);
    EXPECT_FALSE(ed->SelectAnchored);
    EXPECT_FALSE(ed->selection->cutpaste->isHidden());
    EXPECT_NE(Tile(), tile);
    // A move without a button restores the surface from the undo point,
    // including anything drawn on it since.
    s->PaintBrushAt(300, 300, kRed);
    Move(0, 40, 40);
    EXPECT_EQ(Tile(), tile);
}

TEST_F(PixelEditing, TheBandLeftByAMarkingNeverBecomesPartOfTheTile)
{
    ShowTile(PatternImage(64, 64, 17));
    const QImage clean = pic->Image().copy();
    PickSelection();
    Down(1, 2, 2);
    Move(1, 6, 9);
    Up(1, 6, 9);
    ASSERT_NE(pic->Image(), clean); // the band is still shown
    // A new press without a move in between anchors on the clean surface.
    Down(1, 6, 9);
    EXPECT_EQ(s->PixBackup->Picture(), clean);
    Up(1, 6, 9);
    // Picking a tool while the band is shown removes it first.
    Down(1, 1, 1);
    Move(1, 9, 4);
    Up(1, 9, 4);
    ASSERT_NE(pic->Image(), clean);
    PickPencil();
    EXPECT_EQ(pic->Image(), clean);
    // Once something else has been drawn, the band is not "erased" again.
    PickSelection();
    Down(1, 1, 1);
    Move(1, 9, 4);
    Up(1, 9, 4);
    ed->transfer->Command5_Click(); // View A repaints the whole surface
    const QImage viewed = pic->Image().copy();
    Pick(3);
    EXPECT_EQ(pic->Image(), viewed);
}

TEST_F(PixelEditing, SelectionCornersStayOnTheSurfaceAndAClickSelectsOneBlock)
{
    PickSelection();
    Down(1, 60, 3);
    s->PixEditPic_MouseMove(1, 0, 900, -50);
    EXPECT_EQ(ed->SelX2, 441);
    EXPECT_EQ(ed->SelY2, 0);
    Up(1, 60, 3);
    // A press and release without a move: the rectangle is the block clicked.
    Down(1, 20, 30);
    Up(1, 20, 30);
    EXPECT_EQ(ed->SelX1, 140);
    EXPECT_EQ(ed->SelX2, 140);
    EXPECT_EQ(ed->SelY1, 210);
    EXPECT_EQ(ed->SelY2, 210);
}

TEST_F(PixelEditing, SurfaceTakesRealMouseEvents)
{
    PickPencil();
    auto send = [this](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPointF at) {
        QMouseEvent e(type, at, pic->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(pic, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPointF(10, 10));
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPointF(17, 10));
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPointF(17, 10));
    EXPECT_TRUE(BlockIs(1, 1, kGrey));
    EXPECT_TRUE(BlockIs(2, 1, kGrey));
    EXPECT_EQ(PaintedBlocks(), 2);

    // A press takes the focus from the control that had it.
    form->show();
    QApplication::setActiveWindow(form.get());
    ed->transfer->Command5->setFocus();
    QTest::mousePress(pic, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(QApplication::focusWidget(), pic);
    QTest::mouseRelease(pic, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
}

TEST_F(PixelEditing, QuickSecondPressesPaintSprayAndPickToo)
{
    // The second press of a quick double click acts like any press.
    PickPencil();
    QuickClicks(pic, {10, 10}, {17, 10});
    EXPECT_TRUE(BlockIs(1, 1, kGrey));
    EXPECT_TRUE(BlockIs(2, 1, kGrey));
    EXPECT_EQ(PaintedBlocks(), 2);

    QuickClicks(ed->spray->Picture3, {2, 9}, {30, 50}); // red swatch, then the black block
    EXPECT_EQ(s->CurrentColor(), kBlack);

    // A double-clicked spray stamps twice.
    ed->spray->Picture3_MouseDown(1, 0, 2, 9);
    ShowTile(SolidImage(64, 64, kWhite));
    Pick(4);
    Down(1, 30, 30);
    Down(1, 30, 30);
    const QImage stampedTwice = Tile();
    ShowTile(SolidImage(64, 64, kWhite));
    const QPoint spot(7 * 30 + 3, 7 * 30 + 3);
    QuickClicks(pic, spot, spot);
    EXPECT_EQ(Tile(), stampedTwice);
    EXPECT_FALSE(BlockIs(31, 32, RGB(192, 65, 65))); // not just once
}

// ---------------------------------------------------------------------------
// Spray and palette
// ---------------------------------------------------------------------------

TEST_F(PixelEditing, TipTintFollowsTheCurrentColour)
{
    const QImage tip = artwork::SprayTip();
    auto tinted = [&](Colour c) { return SplitColor(PixelOf(pixel_ops::TintTip(tip, c), 3, 3)); };
    ASSERT_EQ(TipLevel(3, 3), 127);
    const RgbParts red = tinted(kRed);
    EXPECT_EQ(red.red, 63);
    EXPECT_EQ(red.green, 190);
    EXPECT_EQ(red.blue, 190);
    EXPECT_EQ(tinted(kGrey).red, 127);  // 126.502 rounds up
    EXPECT_EQ(tinted(kWhite).red, 63);
    EXPECT_EQ(SplitColor(PixelOf(pixel_ops::TintTip(tip, kBlack), 0, 0)).red, 0); // zero stays zero
    // The pristine tip is never changed by tinting.
    ed->surface->SetCurrentColor(kRed);
    ed->spray->TintBlendBrush();
    EXPECT_EQ(ed->spray->Blendbackup->Image(), tip);
}

TEST_F(PixelEditing, SprayAtStartUsesThePristineTipMirroredAroundTheMouse)
{
    // Start state: "Uniform Spray", colour &H808080, tip not yet tinted.
    ShowTile(SolidImage(64, 64, kWhite));
    SetBrush(5);
    s->PixEditPic_MouseDown(1, 0, At(30), At(30)); // 3 pixels into its block
    EXPECT_EQ(s->Brush(), QStringLiteral("1 pixel brush"));
    // Tip pixel (c, r) lands on block (34 - c, 35 - r): tile columns 25..34,
    // rows 26..35; a white block becomes 255 minus the tip level.
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c) {
            const int v = 255 - TipLevel(c, r);
            ASSERT_TRUE(BlockIs(34 - c, 35 - r, RGB(v, v, v))) << c << "," << r;
        }
    int changed = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            changed += Block(x, y) != kWhite;
    EXPECT_EQ(changed, 88); // the 12 zero levels leave white
    // No undo point was taken by the spray.
    ed->tools->Command32_Click();
    EXPECT_EQ(PaintedBlocks(), 0);
}

TEST_F(PixelEditing, SprayDarkensTowardsTheColourAndUniformRaisesToIt)
{
    // Red from the palette (basic swatch row 1, column 0).
    ed->spray->Picture3_MouseDown(1, 0, 2, 9);
    ASSERT_EQ(s->CurrentColor(), kRed);
    // Block (31, 32) lies under the tip level 127 at (3, 3).
    for (int uniform = 0; uniform <= 1; ++uniform) {
        SCOPED_TRACE(uniform);
        ShowTile(SolidImage(64, 64, kWhite));
        Pick(uniform ? 5 : 4);
        s->PixEditPic_MouseDown(1, 0, At(30), At(30));
        EXPECT_TRUE(BlockIs(31, 32, uniform ? RGB(255, 65, 65) : RGB(192, 65, 65)));
    }
    // On black the plain spray changes nothing; the uniform spray paints the
    // whole 10 x 10 patch in the current colour, and only that.
    ShowTile(SolidImage(64, 64, kBlack));
    Pick(4);
    s->PixEditPic_MouseMove(1, 0, At(30), At(30));
    EXPECT_EQ(Tile(), SolidImage(64, 64, kBlack));
    Pick(5);
    s->PixEditPic_MouseMove(1, 0, At(30), At(30));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(Block(x, y), (x >= 25 && x <= 34 && y >= 26 && y <= 35) ? kRed : kBlack) << x << "," << y;
}

TEST_F(PixelEditing, SprayIsDeterministicAndEveryCallDarkensAgain)
{
    const QImage tile = PatternImage(64, 64, 21);
    auto run = [&] {
        ShowTile(tile);
        Pick(4);
        s->PixEditPic_MouseDown(1, 0, 200.5f, 150.25f);
        const QImage once = pic->Image().copy();
        s->PixEditPic_MouseMove(1, 0, 200.5f, 150.25f);
        return std::make_pair(once, pic->Image().copy());
    };
    const auto first = run();
    const auto second = run();
    EXPECT_EQ(first.first, second.first);
    EXPECT_EQ(first.second, second.second);
    // The second stamp at the same place darkened the centre block further.
    const int cx = int((200.5f + 25) / 7) - 3, cy = int((150.25f + 35) / 7) - 3;
    const RgbParts a = SplitColor(PixelOf(first.first, cx * 7, cy * 7));
    const RgbParts b = SplitColor(PixelOf(first.second, cx * 7, cy * 7));
    EXPECT_LT(b.red + b.green + b.blue, a.red + a.green + a.blue);
}

TEST_F(PixelEditing, SprayAtTheCornerIsCutAtTheSurfaceEdges)
{
    // Uniform spray at start with &H808080 on black marks the patch grey.
    auto patch = [&](float x) {
        ShowTile(SolidImage(64, 64, kBlack));
        s->PixEditPic_MouseDown(1, 0, x, 1);
        int maxCol = -1, maxRow = -1, n = 0;
        for (int y = 0; y < 64; ++y)
            for (int xx = 0; xx < 64; ++xx)
                if (Block(xx, y) != kBlack) {
                    ++n;
                    maxCol = std::max(maxCol, xx);
                    maxRow = std::max(maxRow, y);
                }
        return std::make_tuple(maxCol, maxRow, n);
    };
    EXPECT_EQ(patch(1), std::make_tuple(3, 5, 24));
    EXPECT_EQ(patch(5), std::make_tuple(4, 5, 30));
}

TEST_F(PixelEditing, PalettePicksWithTheLeftButtonOnly)
{
    SprayPalette& sp = *ed->spray;
    sp.Picture3_MouseDown(1, 0, 2, 9);
    EXPECT_EQ(s->CurrentColor(), kRed);
    EXPECT_EQ(SplitColor(sp.BlendBrush->GetPixel(3, 3)).red, 63);
    // A left drag picks on every move; black block under the swatches.
    sp.Picture3_MouseMove(1, 0, 30, 50);
    EXPECT_EQ(s->CurrentColor(), kBlack);
    EXPECT_EQ(SplitColor(sp.BlendBrush->GetPixel(3, 3)).red, 190);
    // Other buttons, a plain move, or a point beyond the palette change nothing.
    sp.Picture3_MouseDown(2, 0, 30, 70);
    sp.Picture3_MouseMove(0, 0, 30, 70);
    sp.Picture3_MouseMove(1, 0, -10, 300);
    EXPECT_EQ(s->CurrentColor(), kBlack);
}

TEST(PixelEditorArt, PaletteHoldsItsSwatchesBlocksRampAndHueField)
{
    const QImage p = artwork::ColourPalette();
    ASSERT_EQ(p.size(), QSize(182, 78));
    auto hex = [&](int x, int y) { return p.pixel(x, y) & 0xFFFFFFu; };
    // Every swatch fills its cell.
    const unsigned swatches[6][8] = {
        {0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF},
        {0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF},
        {0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080},
        {0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF},
        {0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080},
        {0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x400040, 0xFFFFFF},
    };
    const int widths[] = {6, 7, 6, 6, 7, 6, 7, 6};
    const int heights[] = {7, 7, 7, 8, 7, 7};
    int top = 0;
    for (int r = 0; r < 6; ++r) {
        int left = 0;
        for (int c = 0; c < 8; ++c) {
            const unsigned want = swatches[r][c];
            EXPECT_EQ(hex(left, top), want);
            EXPECT_EQ(hex(left + widths[c] - 1, top + heights[r] - 1), want);
            left += widths[c];
        }
        top += heights[r];
    }
    EXPECT_EQ(hex(0, 43), 0xFF00FFu);
    EXPECT_EQ(hex(24, 77), 0xFF00FFu);
    EXPECT_EQ(hex(25, 43), 0x000000u);
    EXPECT_EQ(hex(50, 59), 0x000000u);
    EXPECT_EQ(hex(25, 60), 0xFFFFFFu);
    EXPECT_EQ(hex(50, 77), 0xFFFFFFu);
    // Grey ramp: black to F5F5F5, rising every row.
    EXPECT_EQ(hex(51, 0), 0x000000u);
    EXPECT_EQ(hex(56, 77), 0xF5F5F5u);
    for (int y = 1; y < 78; ++y)
        EXPECT_GT(qRed(p.pixel(53, y)), qRed(p.pixel(53, y - 1)));
    // Hue field: pure colours on row 39, darkest on row 0, palest on row 77.
    EXPECT_EQ(hex(57, 39), 0xFF0000u);
    EXPECT_EQ(hex(78, 39), 0xFFFF00u);
    EXPECT_EQ(hex(99, 39), 0x00FF00u);
    EXPECT_EQ(hex(120, 39), 0x00FFFFu);
    EXPECT_EQ(hex(141, 39), 0x0000FFu);
    EXPECT_EQ(hex(161, 39), 0xFF00FFu);
    EXPECT_EQ(hex(181, 39), 0xFF0019u);
    EXPECT_EQ(hex(57, 0), 0x030000u);
    EXPECT_EQ(hex(57, 77), 0xFFFAFAu);
}

// ---------------------------------------------------------------------------
// Tools acting on the whole surface
// ---------------------------------------------------------------------------

TEST_F(PixelEditing, InvertFlipsEveryTilePixelOnceWhateverTheBrush)
{
    QImage tile = PatternImage(64, 64, 2);
    tile.setPixel(0, 0, PictureBuffer::ToQRgb(kBlack));
    tile.setPixel(1, 0, PictureBuffer::ToQRgb(kWhite));
    tile.setPixel(2, 0, PictureBuffer::ToQRgb(kGrey));
    ShowTile(tile);
    Pick(2); // Eraser: brush "25 pixel brush"
    Pick(8); // Invert
    EXPECT_EQ(s->Brush(), QStringLiteral("1 pixel brush"));
    EXPECT_TRUE(BlockIs(0, 0, kWhite));
    EXPECT_TRUE(BlockIs(1, 0, kBlack));
    EXPECT_TRUE(BlockIs(2, 0, 0x007F7F7F));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_TRUE(BlockIs(x, y, Inverse(PixelOf(tile, x, y)))) << x << "," << y;
    Pick(8);
    EXPECT_EQ(Tile(), tile);
    // Invert takes no undo point: Undo returns to the one taken by View.
    Pick(8);
    Pick(1);
    EXPECT_EQ(Tile(), tile);
}

TEST_F(PixelEditing, ClearAllBlanksTheSurfaceButUndoBringsTheTileBack)
{
    const QImage tile = PatternImage(64, 64, 4);
    ShowTile(tile);
    PickSelection();
    Down(1, 3, 3);
    Move(1, 8, 8);
    Up(1, 8, 8);
    Pick(0); // Clear All
    EXPECT_FALSE(ed->SelectMode);
    EXPECT_FALSE(ed->SelectAnchored);
    EXPECT_EQ(pic->Image(), SolidImage(448, 448, kWhite));
    // The undo point's drawing is cleared, its picture kept for Undo.
    EXPECT_EQ(s->PixBackup->Image(), SolidImage(449, 449, kWhite));
    Pick(1);
    EXPECT_EQ(Tile(), tile);
    // Clear All keeps the spray flags and the brush.
    EXPECT_EQ(ed->spray->bbrush->Value(), 0);
    EXPECT_FALSE(s->Combo1->isEnabled());
}

TEST_F(PixelEditing, RulersToggleTogetherAndMarkEveryTwoFourAndFiftySixPixels)
{
    EditingTools& t = *ed->tools;
    EXPECT_TRUE(t.Image3->isHidden());
    EXPECT_TRUE(t.Image4->isHidden());
    Pick(7);
    EXPECT_FALSE(t.Image3->isHidden());
    EXPECT_FALSE(t.Image4->isHidden());
    Pick(7);
    EXPECT_TRUE(t.Image3->isHidden());
    EXPECT_TRUE(t.Image4->isHidden());
    // The horizontal ruler's column 1 and the vertical ruler's row 0 meet the
    // surface's left and top edges.
    EXPECT_EQ(t.Image3->x() + 1, pic->x());
    EXPECT_EQ(t.Image4->y(), pic->y());

    const QImage h = artwork::HorizontalRuler();
    const QImage v = artwork::VerticalRuler();
    ASSERT_EQ(h.size(), QSize(450, 7));
    ASSERT_EQ(v.size(), QSize(7, 450));
    auto hex = [](const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFFu; };
    for (int y = 0; y < 7; ++y)
        EXPECT_EQ(hex(h, 0, y), 0xC0C0C0u);
    for (int x = 1; x < 450; ++x) {
        const bool longTick = (x - 1) % 56 == 0;
        ASSERT_EQ(hex(h, x, 0), 0u);
        ASSERT_EQ(hex(h, x, 5), 0u);
        ASSERT_EQ(hex(h, x, 1), (x % 2 == 1) ? 0u : 0xFFFF00u) << x;
        ASSERT_EQ(hex(h, x, 2), (longTick || x % 4 == 3) ? 0u : 0xFFFF00u) << x;
        ASSERT_EQ(hex(h, x, 3), longTick ? 0u : 0xFFFF00u) << x;
        ASSERT_EQ(hex(h, x, 6), longTick ? 0u : 0x808080u) << x;
        // The upright ruler: row x - 1 of it is column x of the other.
        for (int c = 0; c < 7; ++c)
            ASSERT_EQ(hex(v, c, x - 1), hex(h, x, c));
    }
    EXPECT_EQ(hex(h, 449, 4), 0u); // the last long tick
    EXPECT_EQ(hex(v, 3, 449), 0xC0C0C0u);
}

TEST_F(PixelEditing, EraserAndPencilEndSelectionModeAndEraserPaintsWhiteBigBlocks)
{
    ShowTile(SolidImage(64, 64, kBlack));
    ed->spray->Picture3_MouseDown(1, 0, 2, 9); // red
    const QImage tint = ed->spray->BlendBrush->Image();
    PickSelection();
    Down(1, 1, 1); // anchored
    ed->tools->Command33_Click();
    EXPECT_FALSE(ed->SelectMode);
    EXPECT_FALSE(ed->SelectAnchored);
    EXPECT_EQ(s->CurrentColor(), kWhite);
    EXPECT_EQ(s->Brush(), QStringLiteral("25 pixel brush"));
    EXPECT_EQ(ed->spray->BlendBrush->Image(), tint); // not re-tinted
    Pick(2);
    Down(1, 10, 10);
    EXPECT_EQ(4096 - PaintedBlocks(), 25);
    EXPECT_TRUE(BlockIs(14, 14, kWhite));

    PickSelection();
    Down(1, 1, 1);
    ed->tools->Command34_Click();
    EXPECT_FALSE(ed->SelectMode);
    EXPECT_FALSE(ed->SelectAnchored);
}
