// The sliding tool panel, the selection actions and the transfer between
// the editing surface and layers A and B.
#include <QCoreApplication>
#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QTest>

#include "test_pixel_editor_fixture.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/ghosting.h"

namespace {

constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kRed = 0x000000FF;

Colour ForeColour(const Label* l) { return PictureBuffer::FromQRgb(l->palette().color(QPalette::WindowText).rgb()); }

} // namespace

TEST_F(PixelEditing, StartsAsUniformSprayWithTheListLockedAndThePanelClosed)
{
    ed->DrawEnabled = false;
    form->Form_Load();
    EXPECT_TRUE(ed->DrawEnabled);
    EXPECT_FALSE(ed->SelectMode);
    EXPECT_FALSE(ed->SelectAnchored);
    EXPECT_EQ(ed->spray->bbrush->Value(), 1);
    EXPECT_EQ(ed->spray->Check2->Value(), 1);
    EXPECT_EQ(s->Brush(), QStringLiteral("1 pixel brush"));
    EXPECT_FALSE(s->Combo1->isEnabled());
    EXPECT_EQ(s->CurrentColor(), 0x00808080);
    EXPECT_TRUE(ed->selection->cutpaste->isHidden());
    EXPECT_EQ(pic->Image(), SolidImage(448, 448, kWhite));

    ToolPanel& p = *ed->panel;
    EXPECT_TRUE(p.Painttools->isHidden());
    EXPECT_EQ(p.Top(), 5040.f);
    EXPECT_EQ(p.Height(), 2745.f);
    // The timer is on at start; its first tick clamps the panel and stops it.
    EXPECT_TRUE(p.toolscroll->Enabled());
    p.toolscroll_Timer();
    EXPECT_FALSE(p.toolscroll->Enabled());
    EXPECT_EQ(p.Top(), 5040.f);
    EXPECT_EQ(p.Height(), 2745.f);
    EXPECT_TRUE(p.Painttools->isHidden());

    // A left press right after start sprays (grey, untinted tip) and takes no
    // undo point.
    s->PixEditPic_MouseDown(1, 0, At(30), At(30));
    EXPECT_EQ(Block(31, 32), RGB(128, 128, 128));
    EXPECT_TRUE(s->PixBackup->Picture().isNull());
}

TEST_F(PixelEditing, HoveringTheToolboxSlidesThePanelOpenInTwentyTicks)
{
    ToolPanel& p = *ed->panel;
    p.toolscroll_Timer(); // the start-up tick
    p.Image11_MouseMove(0, 0, 10, 10);
    EXPECT_FALSE(p.Painttools->isHidden());
    EXPECT_TRUE(p.toolscroll->Enabled());
    EXPECT_EQ(p.Top(), 7035.f);
    EXPECT_EQ(p.Height(), 750.f);
    const int bottom = p.Painttools->geometry().bottom();
    EXPECT_EQ(p.Painttools->y(), p.Image11->y()); // level with the toolbox
    for (int tick = 1; tick <= 19; ++tick) {
        p.toolscroll_Timer();
        ASSERT_TRUE(p.toolscroll->Enabled()) << tick;
        ASSERT_EQ(p.Painttools->geometry().bottom(), bottom) << tick;
    }
    EXPECT_EQ(p.Top(), 5135.f);
    EXPECT_EQ(p.Height(), 2650.f);
    p.toolscroll_Timer();
    EXPECT_FALSE(p.toolscroll->Enabled());
    EXPECT_EQ(p.Top(), 5040.f);
    EXPECT_EQ(p.Height(), 2745.f);
    EXPECT_EQ(p.Painttools->geometry().bottom(), bottom);
    EXPECT_EQ(p.Painttools->height(), 183);
    // Fully open, every label shows and the inner toolbox lies on the outer one.
    EXPECT_LE(p.toolselect[8]->geometry().bottom(), p.Painttools->height());
    EXPECT_EQ(p.Image12->mapTo(ed->content, QPoint(0, 0)), p.Image11->pos());

    // Closed by a move over the surface while opening; hovering again
    // starts the slide over.
    p.Image11_MouseMove(0, 0, 10, 10);
    p.toolscroll_Timer();
    p.toolscroll_Timer();
    Move(0, 5, 5);
    EXPECT_TRUE(p.Painttools->isHidden());
    p.toolscroll_Timer(); // runs on, hidden
    EXPECT_EQ(p.Top(), 6735.f);
    p.Image11_MouseMove(0, 0, 10, 10);
    EXPECT_EQ(p.Top(), 7035.f);
    EXPECT_EQ(p.Height(), 750.f);
    EXPECT_FALSE(p.Painttools->isHidden());
}

TEST_F(PixelEditing, TheRealTimerOpensThePanelAndStopsByItself)
{
    ToolPanel& p = *ed->panel;
    p.Image11_MouseMove(0, 0, 10, 10);
    QElapsedTimer clock;
    clock.start();
    while (p.toolscroll->Enabled() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(p.toolscroll->Enabled());
    EXPECT_EQ(p.Top(), 5040.f);
    EXPECT_EQ(p.Height(), 2745.f);
}

TEST_F(PixelEditing, HoverHighlightsOneLabelAndPressHidesThePanel)
{
    ToolPanel& p = *ed->panel;
    p.Image11_MouseMove(0, 0, 10, 10);
    p.toolselect_MouseMove(4, 0, 0, 5, 5);
    for (int i = 0; i < ToolPanel::kTools; ++i) {
        const Label* l = p.toolselect[size_t(i)];
        EXPECT_EQ(l->BackColor(), i == 4 ? 0x00000000 : 0x00C0C0C0) << i;
        EXPECT_EQ(ForeColour(l), i == 4 ? 0x00C0C0C0 : 0x00404040) << i;
    }
    EXPECT_EQ(p.Shape17->y(), p.toolselect[4]->y());
    p.toolselect_MouseMove(6, 0, 0, 5, 5);
    EXPECT_EQ(p.toolselect[4]->BackColor(), 0x00C0C0C0);
    EXPECT_EQ(p.toolselect[6]->BackColor(), 0x00000000);
    EXPECT_EQ(p.Shape17->y(), p.toolselect[6]->y());
    // A press with any button picks; the hovered highlight stays too.
    p.toolselect_MouseDown(3, 4, 0, 5, 5);
    EXPECT_TRUE(p.Painttools->isHidden());
    EXPECT_EQ(p.toolselect[3]->BackColor(), 0x00000000);
    EXPECT_EQ(p.toolselect[6]->BackColor(), 0x00000000);
    EXPECT_EQ(ed->spray->bbrush->Value(), 0);
    EXPECT_EQ(p.Shape17->y(), p.toolselect[6]->y());
}

TEST_F(PixelEditing, EachToolSetsTheSprayFlagsAndTheBrushListAsItsRowSays)
{
    constexpr int U = -1; // unchanged
    struct Row {
        int index, bbrush, check2, enabled;
        const char* brush; // nullptr: unchanged
    };
    const Row rows[] = {
        {0, U, U, 0, nullptr},          {1, U, U, 0, nullptr},          {2, 0, 0, 1, "25 pixel brush"},
        {3, 0, 0, 1, nullptr},          {4, 1, 0, 0, "1 pixel brush"},  {5, 1, 1, 0, "1 pixel brush"},
        {6, 0, 0, 0, nullptr},          {7, U, U, U, nullptr},          {8, U, U, U, "1 pixel brush"},
    };
    struct Start {
        int bbrush, check2;
        bool enabled;
    };
    for (const Start start : {Start{1, 0, true}, Start{0, 1, false}}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(testing::Message() << "tool " << r.index << " from " << start.bbrush << start.check2);
            ed->SelectMode = true;
            ed->spray->bbrush->setValue(start.bbrush);
            ed->spray->Check2->setValue(start.check2);
            s->Combo1->setEnabled(start.enabled);
            SetBrush(6);
            Pick(r.index, 2);
            EXPECT_EQ(ed->spray->bbrush->Value(), r.bbrush == U ? start.bbrush : r.bbrush);
            EXPECT_EQ(ed->spray->Check2->Value(), r.check2 == U ? start.check2 : r.check2);
            EXPECT_EQ(s->Combo1->isEnabled(), r.enabled == U ? start.enabled : r.enabled == 1);
            EXPECT_EQ(s->Brush(), QString::fromLatin1(r.brush ? r.brush : "36 pixel brush"));
            EXPECT_EQ(ed->SelectMode, r.index == 6);
        }
    }
}

TEST_F(PixelEditing, InvertAndRulersKeepTheSprayAndSelectionTakesANewUndoPoint)
{
    Pick(4); // Spraycan
    Pick(8);
    Pick(7);
    EXPECT_EQ(ed->spray->bbrush->Value(), 1);
    EXPECT_FALSE(s->Combo1->isEnabled());
    ShowTile(SolidImage(64, 64, kWhite));
    Down(1, 30, 30);
    EXPECT_NE(Block(31, 32), kWhite); // sprayed, not painted
    EXPECT_EQ(Block(30, 30), RGB(128, 128, 128));

    // Selection picked again while on: still on, with the surface as it is now
    // as the new undo point.
    PickSelection();
    s->PaintBrushAt(100, 100, kRed);
    PickSelection();
    EXPECT_TRUE(ed->SelectMode);
    EXPECT_EQ(s->PixBackup->Picture(), pic->Image());
}

// ---------------------------------------------------------------------------
// Selection actions
// ---------------------------------------------------------------------------

struct SelectionActing : PixelEditing {
    QImage tile = PatternImage(64, 64, 13);
    SelectionActions* sel = nullptr;

    void SetUp() override
    {
        PixelEditing::SetUp();
        sel = ed->selection.get();
        ShowTile(tile);
        PickSelection();
    }
    // Marks from block (ax, ay) to block (bx, by) with the left button.
    void Mark(int ax, int ay, int bx, int by)
    {
        Down(1, ax, ay);
        Move(1, bx, by);
        Up(1, bx, by);
    }
    Colour Clip(int i, int j) const { return sel->clipboardpic->GetPixel(i, j); }

    // The same with real mouse events, at the centre of each block.
    static QPoint Centre(int tx, int ty) { return QPoint(tx * 7 + 3, ty * 7 + 3); }
    void MarkWithMouse(int ax, int ay, int bx, int by)
    {
        QTest::mousePress(pic, Qt::LeftButton, {}, Centre(ax, ay));
        QTest::mouseMove(pic, Centre(bx, by));
        QTest::mouseRelease(pic, Qt::LeftButton, {}, Centre(bx, by));
    }
    void ClickListItem(const QString& text)
    {
        const QList<QListWidgetItem*> found = sel->cutpaste->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        QTest::mouseClick(sel->cutpaste->viewport(), Qt::LeftButton, {},
                          sel->cutpaste->visualItemRect(found.front()).center());
    }
    // Hovers the toolbox, lets the panel slide open and clicks a tool on it.
    void ClickTool(int index)
    {
        ToolPanel& p = *ed->panel;
        // Two points, as the cursor may already rest on the first.
        QTest::mouseMove(p.Image11, QPoint(4, 4));
        QTest::mouseMove(p.Image11, QPoint(10, 10));
        while (p.toolscroll->Enabled())
            p.toolscroll_Timer();
        ASSERT_TRUE(p.toolselect[size_t(index)]->isVisible());
        QTest::mouseClick(p.toolselect[size_t(index)], Qt::LeftButton);
    }
};

TEST_F(SelectionActing, CopyTakesOnePixelPerBlockAndPastePlacesItAtTheCopiedSize)
{
    Mark(12, 6, 10, 5); // dragged up and to the left
    ASSERT_FALSE(sel->cutpaste->isHidden());
    const QImage undoBefore = s->PixBackup->Picture();
    SetBrush(7);
    sel->ClickItem(QStringLiteral("Copy"));
    EXPECT_EQ(s->Brush(), QStringLiteral("1 pixel brush"));
    EXPECT_TRUE(sel->cutpaste->isHidden());
    EXPECT_EQ(sel->Text2->Text(), QStringLiteral("14"));
    EXPECT_EQ(sel->Text3->Text(), QStringLiteral("7"));
    EXPECT_EQ(ed->SelX1, 70);
    EXPECT_EQ(ed->SelY1, 35);
    EXPECT_EQ(ed->SelX2, 84);
    EXPECT_EQ(ed->SelY2, 42);
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Clip(i, j), PixelOf(tile, 10 + i, 5 + j)) << i << "," << j;
    EXPECT_EQ(Clip(3, 0), kWhite);
    // The band is gone, the tile untouched, no undo point taken.
    EXPECT_EQ(pic->Image(), s->PixBackup->Image().copy(0, 0, 448, 448));
    EXPECT_EQ(Tile(), tile);
    EXPECT_EQ(s->PixBackup->Picture(), undoBefore);
    EXPECT_TRUE(ed->SelectMode);
    EXPECT_FALSE(ed->SelectAnchored);

    // Paste on a one-block marking: the copied 3 x 2 blocks from there.
    Mark(40, 50, 40, 50);
    sel->ClickItem(QStringLiteral("Paste"));
    QImage want = tile;
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i)
            want.setPixel(40 + i, 50 + j, tile.pixel(10 + i, 5 + j));
    EXPECT_EQ(Tile(), want);
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(BlockIs(40 + i, 50 + j, PixelOf(tile, 10 + i, 5 + j)));
    // Paste took its undo point after the change: Undo keeps the paste.
    Pick(1);
    EXPECT_EQ(Tile(), want);

    // Copy then Paste on the same rectangle changes nothing.
    PickSelection();
    Mark(20, 20, 25, 22);
    sel->ClickItem(QStringLiteral("Copy"));
    sel->ClickItem(QStringLiteral("Paste"));
    EXPECT_EQ(Tile(), want);
}

TEST_F(SelectionActing, PasteNearTheEdgeDropsWhatFallsBeyondIt)
{
    Mark(0, 0, 9, 3); // 10 x 4 blocks
    sel->ClickItem(QStringLiteral("Copy"));
    Mark(60, 62, 60, 62);
    sel->ClickItem(QStringLiteral("Paste"));
    QImage want = tile;
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 4; ++i)
            want.setPixel(60 + i, 62 + j, tile.pixel(i, j));
    EXPECT_EQ(Tile(), want);
}

TEST_F(SelectionActing, CutAndClearPaintWhiteAndKeepTheirResultAcrossUndo)
{
    Mark(2, 2, 4, 3);
    sel->ClickItem(QStringLiteral("Cut"));
    EXPECT_EQ(sel->Text2->Text(), QStringLiteral("14"));
    EXPECT_EQ(sel->Text3->Text(), QStringLiteral("7"));
    QImage want = tile;
    for (int y = 2; y <= 3; ++y)
        for (int x = 2; x <= 4; ++x) {
            EXPECT_EQ(Clip(x - 2, y - 2), PixelOf(tile, x, y));
            EXPECT_TRUE(BlockIs(x, y, kWhite));
            want.setPixel(x, y, PictureBuffer::ToQRgb(kWhite));
        }
    Pick(1);
    EXPECT_EQ(Tile(), want);

    // Clear: white, the clipboard and its extent untouched; a move with
    // selection mode on keeps the white area.
    PickSelection();
    Mark(30, 30, 31, 34);
    sel->ClickItem(QStringLiteral("Clear"));
    for (int y = 30; y <= 34; ++y)
        for (int x = 30; x <= 31; ++x)
            want.setPixel(x, y, PictureBuffer::ToQRgb(kWhite));
    EXPECT_EQ(Tile(), want);
    Move(0, 50, 50);
    EXPECT_EQ(Tile(), want);
    EXPECT_EQ(sel->Text2->Text(), QStringLiteral("14"));
    EXPECT_EQ(Clip(0, 0), PixelOf(tile, 2, 2));
    EXPECT_TRUE(sel->cutpaste->isHidden());
}

TEST_F(SelectionActing, ItemsRemoveOnlyTheBandAndKeepWorkDoneSinceTheMarking)
{
    form->show();
    // With real events: marking and Cancel take the band away and leave the
    // surface as it was before the marking.
    const QImage clean = pic->Image().copy();
    MarkWithMouse(9, 9, 3, 4);
    EXPECT_NE(pic->Image(), clean);
    ClickListItem(QStringLiteral("Cancel"));
    EXPECT_TRUE(sel->cutpaste->isHidden());
    EXPECT_EQ(pic->Image(), clean);
    EXPECT_EQ(ed->SelX1, 63); // corners left unordered
    EXPECT_EQ(ed->SelX2, 21);
    EXPECT_EQ(s->Brush(), QStringLiteral("1 pixel brush"));

    // A stroke painted after the marking outlives Cancel on the list, which
    // other tools leave shown.
    MarkWithMouse(2, 2, 6, 5);
    ClickTool(3); // Pencil
    EXPECT_FALSE(sel->cutpaste->isHidden());
    QTest::mousePress(pic, Qt::LeftButton, {}, Centre(50, 50));
    QTest::mouseMove(pic, Centre(53, 50));
    QTest::mouseRelease(pic, Qt::LeftButton, {}, Centre(53, 50));
    const QImage painted = pic->Image().copy();
    ASSERT_NE(painted, clean);
    ClickListItem(QStringLiteral("Cancel"));
    EXPECT_EQ(pic->Image(), painted);

    // So does an Invert: Clear then whitens the marked blocks of the inverted tile.
    ClickTool(6); // Selection
    MarkWithMouse(2, 2, 6, 5);
    ClickTool(8); // Invert
    QImage want = Tile();
    ClickListItem(QStringLiteral("Clear"));
    for (int y = 2; y <= 5; ++y)
        for (int x = 2; x <= 6; ++x)
            want.setPixel(x, y, PictureBuffer::ToQRgb(kWhite));
    EXPECT_EQ(Tile(), want);
    EXPECT_EQ(PixelOf(want, 50, 50), PixelOf(painted, 50 * 7, 50 * 7) ^ 0x00FFFFFF);
}

TEST_F(SelectionActing, PasteBeforeAnyCopyPaintsOneWhiteBlockAndCopiesNeverClearTheClipboard)
{
    Mark(5, 5, 7, 7);
    sel->ClickItem(QStringLiteral("Paste"));
    QImage want = tile;
    want.setPixel(5, 5, PictureBuffer::ToQRgb(kWhite));
    EXPECT_EQ(Tile(), want);

    Mark(10, 10, 12, 12);
    sel->ClickItem(QStringLiteral("Copy"));
    Mark(40, 40, 40, 40);
    sel->ClickItem(QStringLiteral("Copy"));
    EXPECT_EQ(sel->Text2->Text(), QStringLiteral("0"));
    EXPECT_EQ(Clip(0, 0), PixelOf(tile, 40, 40));
    EXPECT_EQ(Clip(2, 2), PixelOf(tile, 12, 12)); // left from the larger copy
}

// ---------------------------------------------------------------------------
// Transfer between the surface and the layers
// ---------------------------------------------------------------------------

TEST_F(PixelEditing, ViewShowsTheLayerSevenfoldAndTakesAnUndoPoint)
{
    const QImage a = PatternImage(64, 64, 31);
    const QImage b = PatternImage(64, 64, 77);
    form->layers->Image1->setPicture(a);
    form->layers->Image2->setPicture(b);
    ed->tools->Command32->setEnabled(false);
    ed->transfer->Command5_Click();
    for (int y = 0; y < 448; ++y)
        for (int x = 0; x < 448; ++x)
            ASSERT_EQ(pic->GetPixel(x, y), PixelOf(a, x / 7, y / 7)) << x << "," << y;
    EXPECT_FALSE(ed->tools->Command32->isEnabled());
    // Undo after View B shows B, not what was there before.
    ed->transfer->Command6_Click();
    Pick(1);
    EXPECT_EQ(Tile(), b);
    EXPECT_EQ(s->CurrentColor(), 0x00808080);
}

TEST_F(PixelEditing, SetWritesTheTileIntoTheLayerWithoutRefreshingItsMirrors)
{
    Layers& L = *form->layers;
    const QImage a = PatternImage(64, 64, 3);
    L.Image1->setPicture(a);
    ed->transfer->Command5_Click();
    ed->transfer->Command9_Click();
    EXPECT_EQ(L.Image1->Image(), a); // View A then Set A: unchanged

    // Edit, then Set B: layer B takes the tile; its mirrors keep the old one.
    const QImage mirrorBefore = form->colorKeying->Ckey2->Image();
    const QImage ghostBefore = form->ghosting->Picture10->Image();
    const QImage undoBefore = s->PixBackup->Picture();
    PickPencil();
    s->PaintBrushAt(At(4), At(4), kRed);
    const QImage surfaceBefore = pic->Image();
    int changes = 0;
    L.Image2->onChange = [&changes] { ++changes; };
    ed->transfer->Command10_Click();
    EXPECT_EQ(changes, 0);
    QImage want = a;
    want.setPixel(4, 4, PictureBuffer::ToQRgb(kRed));
    EXPECT_EQ(L.Image2->Image(), want);
    EXPECT_EQ(form->colorKeying->Ckey2->Image(), mirrorBefore);
    EXPECT_EQ(form->ghosting->Picture10->Image(), ghostBefore);
    EXPECT_EQ(pic->Image(), surfaceBefore);
    EXPECT_EQ(s->PixBackup->Picture(), undoBefore);
}

TEST_F(PixelEditing, SetReadsInsideEachBlockSoBandLinesAndOriginDotsStayOut)
{
    const QImage a = PatternImage(64, 64, 8);
    ShowTile(a);
    PickSelection();
    Down(1, 3, 3);
    Move(1, 20, 9);
    Up(1, 20, 9); // the band stays drawn
    pic->SetPixel(7 * 40, 7 * 40, kRed); // a dot at a block's origin
    ed->transfer->Command10_Click();
    EXPECT_EQ(form->layers->Image2->Image(), a);
}

TEST_F(PixelEditing, BrushListDropsDownWideEnoughForEveryItemWhole)
{
    Pick(3); // Pencil unlocks the list
    s->Combo1->showPopup();
    QCoreApplication::processEvents();
    const QAbstractItemView* list = s->Combo1->view();
    ASSERT_TRUE(list->isVisible());
    for (int row = 0; row < s->Combo1->count(); ++row) {
        const QModelIndex item = list->model()->index(row, 0);
        EXPECT_GE(list->viewport()->width(), list->sizeHintForIndex(item).width()) << row;
    }
    s->Combo1->hidePopup();
}
