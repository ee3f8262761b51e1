#include "pixel_editor/layer_transfer.h"

#include "core/pixel_ops.h"
#include "pixel_editor/pixel_editor.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "texture_set/layers.h"

namespace {
CommandButton* LayerButton(QWidget* content, const char* name, int left, int top, const char* caption)
{
    auto* b = new CommandButton(content, QString::fromLatin1(name), QRect(left, top, 71, 22),
                                QString::fromLatin1(caption));
    SetBackColor(b, style::kPageGrey);
    return b;
}

Label* RowLabel(QWidget* content, const char* name, QRect geometry, const char* caption)
{
    auto* l = new Label(content, QString::fromLatin1(name), geometry, QString::fromLatin1(caption), Qt::AlignCenter);
    l->setBackColor(style::kPageGrey);
    return l;
}
} // namespace

LayerTransfer::LayerTransfer(PixelEditor& editor, QWidget* content) : ed_(editor)
{
    Label1 = RowLabel(content, "Label1", QRect(0, 469, 43, 22), "View:");
    Command5 = LayerButton(content, "Command5", 42, 469, "A");
    Command6 = LayerButton(content, "Command6", 112, 469, "B");
    Label2 = RowLabel(content, "Label2", QRect(4, 497, 36, 22), "Set:");
    Command9 = LayerButton(content, "Command9", 42, 497, "A");
    Command10 = LayerButton(content, "Command10", 112, 497, "B");
    Command5->setToolTip(QStringLiteral("Show layer A on the editing surface"));
    Command6->setToolTip(QStringLiteral("Show layer B on the editing surface"));
    Command9->setToolTip(QStringLiteral("Write the edited tile into layer A"));
    Command10->setToolTip(QStringLiteral("Write the edited tile into layer B"));
    Command5->onClick = [this] { Command5_Click(); };
    Command6->onClick = [this] { Command6_Click(); };
    Command9->onClick = [this] { Command9_Click(); };
    Command10->onClick = [this] { Command10_Click(); };
}

void LayerTransfer::Command5_Click() { ViewLayer(*ed_.layers.Image1); }
void LayerTransfer::Command6_Click() { ViewLayer(*ed_.layers.Image2); }
void LayerTransfer::Command9_Click() { SetLayer(*ed_.layers.Image1); }
void LayerTransfer::Command10_Click() { SetLayer(*ed_.layers.Image2); }

void LayerTransfer::ViewLayer(PictureBuffer& layer)
{
    ed_.DrawOnSurface([&layer](QImage& surface) { pixel_ops::EnlargeTile(layer.Image(), surface); });
    ed_.TakeUndoPoint();
}

void LayerTransfer::SetLayer(PictureBuffer& layer)
{
    pixel_ops::SampleTile(ed_.SurfaceImage(), layer.imageForDrawing());
    layer.markDrawn();
}
