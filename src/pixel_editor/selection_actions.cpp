#include "pixel_editor/selection_actions.h"

#include <QListWidgetItem>

#include "core/conversions.h"
#include "core/pixel_ops.h"
#include "pixel_editor/pixel_editor.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"

SelectionActions::SelectionActions(PixelEditor& editor, QWidget* content) : ed_(editor)
{
    cutpaste = new ListBox(content, QStringLiteral("cutpaste"), QRect(217, 196 + PixelEditor::kSurfaceDrop, 50, 67),
                           {QStringLiteral("Clear"), QStringLiteral("Copy"), QStringLiteral("Cut"),
                            QStringLiteral("Paste"), QStringLiteral("Cancel")});
    SetBackColor(cutpaste, style::kPageGrey);
    SetForeColor(cutpaste, style::kDarkGrey);
    cutpaste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cutpaste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    style::SetSmallFont(cutpaste);
    cutpaste->onClick = [this] { cutpaste_Click(); };
    cutpaste->hide();

    clipboardpic = new PictureBuffer(content, PictureKind::Box, QStringLiteral("clipboardpic"),
                                     476, 14 + PixelEditor::kSurfaceDrop, 449, 449, pixel_ops::kWhite);
    clipboardpic->hide();

    Text2 = new TextBox(content, QStringLiteral("Text2"), QRect(42, 469, 36, 22));
    Text2->hide();
    Text3 = new TextBox(content, QStringLiteral("Text3"), QRect(112, 469, 36, 22));
    Text3->hide();
}

void SelectionActions::ClickItem(const QString& item)
{
    const QList<QListWidgetItem*> found = cutpaste->findItems(item, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    cutpaste->setCurrentItem(found.front());
    cutpaste_Click();
}

void SelectionActions::cutpaste_Click()
{
    const QListWidgetItem* item = cutpaste->currentItem();
    const QString text = item ? item->text() : QString();
    // Every item starts by taking the marking band away, if it is still on
    // the surface, and then acts on the surface as it is now: the list stays
    // up while other tools work, and their work must not be lost by going
    // back to the undo point of the marking press. Every block painted below
    // covers exactly one tile pixel.
    ed_.SetBrush(pixel_ops::BrushNames().front());
    if (text == QLatin1String("Paste"))
        Paste();
    else if (text == QLatin1String("Copy"))
        CopyOrCut(false);
    else if (text == QLatin1String("Cut"))
        CopyOrCut(true);
    else if (text == QLatin1String("Clear"))
        Clear();
    else {
        // Cancel: only the band goes.
        ed_.EraseLingeringBand();
        cutpaste->hide();
    }
}

void SelectionActions::OrderCorners()
{
    pixel_ops::BlockRect r{ed_.SelX1, ed_.SelY1, ed_.SelX2, ed_.SelY2};
    pixel_ops::OrderCorners(r);
    ed_.SelX1 = r.x1;
    ed_.SelY1 = r.y1;
    ed_.SelX2 = r.x2;
    ed_.SelY2 = r.y2;
}

void SelectionActions::Paste()
{
    ed_.EraseLingeringBand();
    OrderCorners();
    ed_.DrawOnSurface([this](QImage& surface) {
        pixel_ops::PasteBlocks(surface, clipboardpic->Image(), ed_.SelX1, ed_.SelY1, conv::Val(Text2->Text()),
                               conv::Val(Text3->Text()));
    });
    ed_.TakeUndoPoint();
    clipboardpic->Refresh();
    cutpaste->hide();
}

void SelectionActions::CopyOrCut(bool cut)
{
    ed_.EraseLingeringBand();
    OrderCorners();
    ed_.DrawOnSurface([this, cut](QImage& surface) {
        pixel_ops::CopyBlocks(surface, clipboardpic->imageForDrawing(), {ed_.SelX1, ed_.SelY1, ed_.SelX2, ed_.SelY2},
                              cut);
    });
    clipboardpic->markDrawn();
    if (cut)
        ed_.TakeUndoPoint();
    cutpaste->hide();
    Text2->setTextValue(QString::number(ed_.SelX2 - ed_.SelX1));
    Text3->setTextValue(QString::number(ed_.SelY2 - ed_.SelY1));
}

void SelectionActions::Clear()
{
    ed_.EraseLingeringBand();
    OrderCorners();
    ed_.DrawOnSurface([this](QImage& surface) {
        pixel_ops::FillBlocks(surface, {ed_.SelX1, ed_.SelY1, ed_.SelX2, ed_.SelY2}, pixel_ops::kWhite);
    });
    ed_.TakeUndoPoint();
    cutpaste->hide();
}
