#include "pixel_editor/editing_surface.h"

#include <algorithm>

#include <QCursor>
#include <QPixmap>

#include "artwork/pixel_editor_art.h"
#include "core/conversions.h"
#include "core/pixel_ops.h"
#include "pixel_editor/pixel_editor.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"

using pixel_ops::BlockOrigin;

namespace {

constexpr Colour kStartColour = 0x00808080;

// Selection corners stay on the surface's blocks, even when a captured drag
// runs beyond its edges: a selection covers tile pixels, nothing else.
int32_t SurfaceBlock(float v) { return std::clamp<int32_t>(BlockOrigin(v), 0, pixel_ops::kLastBlock); }

} // namespace

EditingSurface::EditingSurface(PixelEditor& editor, QWidget* content) : ed_(editor)
{
    const QCursor pencil(QPixmap::fromImage(artwork::PencilCursor()), artwork::kPencilHotX, artwork::kPencilHotY);

    PixEditPic = new PictureBuffer(content, PictureKind::Box, QStringLiteral("PixEditPic"),
                                   14, 14 + PixelEditor::kSurfaceDrop, pixel_ops::kSurfaceSide,
                                   pixel_ops::kSurfaceSide, pixel_ops::kWhite);
    PixEditPic->setCursor(pencil);
    PixEditPic->onMouseDown = [this](int b, int s, float x, float y) { PixEditPic_MouseDown(b, s, x, y); };
    PixEditPic->onMouseMove = [this](int b, int s, float x, float y) { PixEditPic_MouseMove(b, s, x, y); };
    PixEditPic->onMouseUp = [this](int b, int s, float x, float y) { PixEditPic_MouseUp(b, s, x, y); };

    PixBackup = new PictureBuffer(content, PictureKind::Box, QStringLiteral("PixBackup"),
                                  7, 615 + PixelEditor::kSurfaceDrop, 449, 449, pixel_ops::kWhite);
    PixBackup->setCursor(pencil);
    PixBackup->hide();

    Combo1 = new ComboBox(content, QStringLiteral("Combo1"), QRect(189, 525, 92, 21), pixel_ops::BrushNames());
    Combo1->setListIndex(0);
    Combo1->setEnabled(false);
    // A compact font keeps the longest item whole in the narrow box.
    style::SetCompactFont(Combo1);
    Combo1->setStyleSheet(QStringLiteral("QComboBox { padding: 0px 0px 0px 3px; } "
                                         "QComboBox::drop-down { width: 14px; }"));

    // The editor fits it under the palette once the palette stands.
    Label3 = new Label(content, QStringLiteral("Label3"), QRect(), QStringLiteral("Current Color"),
                       Qt::AlignCenter);
    Label3->setFrameShape(QFrame::Panel);
    Label3->setFrameShadow(QFrame::Sunken);
    SetCurrentColor(kStartColour);
}

Colour EditingSurface::CurrentColor() const { return Label3->BackColor(); }

void EditingSurface::SetCurrentColor(Colour c)
{
    if (c < 0 || c > 0x00FFFFFF)
        return;
    Label3->setBackColor(c);
    // Keep the caption readable on dark and light colours alike.
    Label3->setForeColor(style::CaptionColourOn(c));
}

void EditingSurface::SetBrush(const QString& text) { Combo1->setCurrentText(text); }

QString EditingSurface::Brush() const { return Combo1->Text(); }

void EditingSurface::PaintBrushAt(float X, float Y, Colour colour)
{
    pixel_ops::PaintBrush(PixEditPic->imageForDrawing(), X, Y, pixel_ops::BrushExtent(Combo1->Text()), colour);
    PixEditPic->markDrawn();
}

void EditingSurface::TakeUndoPoint() { PixBackup->setPicture(PixEditPic->Image()); }

void EditingSurface::RestoreFromUndoPoint() { PixEditPic->setPicture(PixBackup->Image()); }

void EditingSurface::Undo()
{
    PixEditPic->setPicture(PixBackup->Picture());
    PixEditPic->Refresh();
}

void EditingSurface::Clear(const QImage& blank)
{
    PixBackup->Cls();
    PixBackup->Refresh();
    PixEditPic->setPicture(blank);
    PixEditPic->Refresh();
}

void EditingSurface::Draw(const std::function<void(QImage&)>& draw)
{
    draw(PixEditPic->imageForDrawing());
    PixEditPic->markDrawn();
}

void EditingSurface::DrawRubberBand()
{
    bandL_ = std::min(ed_.SelX1, ed_.SelX2);
    bandR_ = std::max(ed_.SelX1, ed_.SelX2) + pixel_ops::kBlock;
    bandT_ = std::min(ed_.SelY1, ed_.SelY2);
    bandB_ = std::max(ed_.SelY1, ed_.SelY2) + pixel_ops::kBlock;
    InvertBandLines();
    bandRevision_ = PixEditPic->revision();
}

void EditingSurface::InvertBandLines()
{
    // Four lines in invert mode (the colour plays no part): each shows the
    // inverse of the pixels under it, and drawing them again undoes them.
    PixEditPic->setDrawMode(LineMode::Invert);
    PixEditPic->Line(bandL_, bandT_, bandR_, bandT_, 0xFF);
    PixEditPic->Line(bandL_, bandT_, bandL_, bandB_, 0xFF);
    PixEditPic->Line(bandR_, bandB_, bandL_, bandB_, 0xFF);
    PixEditPic->Line(bandR_, bandB_, bandR_, bandT_, 0xFF);
    PixEditPic->setDrawMode(LineMode::Paint);
}

void EditingSurface::EraseLingeringBand()
{
    if (bandRevision_ != 0 && PixEditPic->revision() == bandRevision_) {
        InvertBandLines();
        PixEditPic->Refresh();
    }
    bandRevision_ = 0;
}

void EditingSurface::PixEditPic_MouseDown(int Button, int /*Shift*/, float X, float Y)
{
    EraseLingeringBand();
    if (Button == 1 && ed_.Spraying()) {
        // A spray press takes no undo point.
        ed_.SprayAt(X, Y);
        return;
    }
    TakeUndoPoint();
    ed_.EnableUndo();

    if (ed_.SelectMode && !ed_.SelectAnchored) {
        // Any button anchors. The moving corner starts on the anchor, so a
        // click without a drag selects the block clicked.
        ed_.SelX1 = SurfaceBlock(X);
        ed_.SelY1 = SurfaceBlock(Y);
        ed_.SelX2 = ed_.SelX1;
        ed_.SelY2 = ed_.SelY1;
        ed_.SelectAnchored = true;
        return;
    }
    if (Button == 2) {
        SetCurrentColor(PixEditPic->GetPixel(conv::CLng(X), conv::CLng(Y)));
        ed_.TintSprayTip();
    }
    if (Button == 1 && ed_.DrawEnabled) {
        PaintBrushAt(X, Y, CurrentColor());
        PixEditPic->Refresh();
    }
}

void EditingSurface::PixEditPic_MouseMove(int Button, int /*Shift*/, float X, float Y)
{
    ed_.HideToolPanel();

    if (Button == 1 && ed_.Spraying()) {
        ed_.SprayAt(X, Y);
        return;
    }
    if (ed_.SelectMode) {
        // Every move starts from the undo point, which erases the last band.
        RestoreFromUndoPoint();
        if (ed_.SelectAnchored) {
            ed_.SelX2 = SurfaceBlock(X);
            ed_.SelY2 = SurfaceBlock(Y);
            DrawRubberBand();
            PixEditPic->Refresh();
        }
        return;
    }
    if (Button == 2)
        SetCurrentColor(PixEditPic->GetPixel(conv::CLng(X), conv::CLng(Y))); // the tip keeps its tint
    if (Button == 1 && ed_.DrawEnabled) {
        PaintBrushAt(X, Y, CurrentColor());
        PixEditPic->Refresh();
    }
}

void EditingSurface::PixEditPic_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    if (!ed_.SelectMode)
        return;
    ed_.SelectAnchored = false;
    ed_.ShowSelectionList();
}
