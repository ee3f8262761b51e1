#include "pixel_editor/editing_tools.h"

#include <QIcon>
#include <QPixmap>

#include "artwork/pixel_editor_art.h"
#include "core/pixel_ops.h"
#include "pixel_editor/pixel_editor.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"

namespace {

CommandButton* GlyphButton(QWidget* content, const char* name, QRect geometry, int glyph, int glyphSize)
{
    auto* b = new CommandButton(content, QString::fromLatin1(name), geometry);
    b->setIcon(QIcon(QPixmap::fromImage(artwork::ToolButtonGlyph(glyph, glyphSize))));
    b->setIconSize(QSize(glyphSize, glyphSize));
    SetBackColor(b, style::kPageGrey);
    b->hide();
    return b;
}

} // namespace

EditingTools::EditingTools(PixelEditor& editor, QWidget* content) : ed_(editor)
{
    // The rulers: the horizontal one's column 1 and the vertical one's row 0
    // lie on the surface's left and top edges.
    const QImage top = artwork::HorizontalRuler();
    Image3 = new PictureBuffer(content, PictureKind::Image, QStringLiteral("Image3"),
                               13, PixelEditor::kRulerTop + PixelEditor::kSurfaceDrop, top.width(), top.height());
    Image3->setPicture(top);
    Image3->hide();
    const QImage left = artwork::VerticalRuler();
    Image4 = new PictureBuffer(content, PictureKind::Image, QStringLiteral("Image4"),
                               7, 14 + PixelEditor::kSurfaceDrop, left.width(), left.height());
    Image4->setPicture(left);
    Image4->hide();

    // The tool buttons are never shown: the tool panel runs their handlers.
    Command11 = GlyphButton(content, "Command11", QRect(49, 511, 29, 29), 0, 16);
    Command31 = GlyphButton(content, "Command31", QRect(42, 511, 29, 29), 1, 16);
    Command32 = GlyphButton(content, "Command32", QRect(56, 511, 29, 29), 2, 16);
    Command33 = GlyphButton(content, "Command33", QRect(42, 539, 29, 29), 3, 16);
    Command34 = GlyphButton(content, "Command34", QRect(63, 539, 29, 29), 4, 32);
    Command35 = GlyphButton(content, "Command35", QRect(42, 539, 29, 29), 5, 32);
    Command36 = new CommandButton(content, QStringLiteral("Command36"), QRect(91, 532, 50, 22), QStringLiteral("invert"));
    Command36->hide();
    Command11->onClick = [this] { Command11_Click(); };
    Command31->onClick = [this] { Command31_Click(); };
    Command32->onClick = [this] { Command32_Click(); };
    Command33->onClick = [this] { Command33_Click(); };
    Command34->onClick = [this] { Command34_Click(); };
    Command35->onClick = [this] { Command35_Click(); };
    Command36->onClick = [this] { Command36_Click(); };

    Picture18 = new PictureBuffer(content, PictureKind::Box, QStringLiteral("Picture18"),
                                  63, 525, 15, 15, pixel_ops::kWhite);
    Picture18->hide();
}

void EditingTools::LeaveSelectionMode()
{
    if (ed_.SelectMode) {
        ed_.SelectMode = false;
        ed_.SelectAnchored = false;
    }
}

void EditingTools::Command11_Click()
{
    LeaveSelectionMode();
    // Clearing the undo point's drawing leaves its picture, which Undo
    // restores, as it was.
    ed_.ClearSurface(Picture18->Image());
}

void EditingTools::Command31_Click()
{
    ed_.TakeUndoPoint();
    ed_.SelectMode = true;
}

void EditingTools::Command32_Click()
{
    ed_.UndoSurface();
    Command32->setEnabled(false);
}

void EditingTools::Command33_Click()
{
    LeaveSelectionMode();
    ed_.SetCurrentColor(pixel_ops::kWhite); // the spray tip keeps its tint
    ed_.SetBrush(QStringLiteral("25 pixel brush"));
}

void EditingTools::Command34_Click() { LeaveSelectionMode(); }

void EditingTools::Command35_Click()
{
    const bool show = !Image4->Visible();
    Image4->setVisible(show);
    Image3->setVisible(show);
}

void EditingTools::Command36_Click()
{
    ed_.SetBrush(pixel_ops::BrushNames().front());
    ed_.DrawOnSurface([](QImage& surface) { pixel_ops::InvertBlocks(surface); });
}
