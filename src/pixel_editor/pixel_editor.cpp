#include "pixel_editor/pixel_editor.h"

#include <QFrame>
#include <QWidget>

#include "core/pixel_ops.h"
#include "pixel_editor/editing_surface.h"
#include "pixel_editor/editing_tools.h"
#include "pixel_editor/layer_transfer.h"
#include "pixel_editor/selection_actions.h"
#include "pixel_editor/spray_palette.h"
#include "pixel_editor/tool_panel.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"

namespace {
constexpr int kTabWidth = 477;
constexpr int kTabHeight = 568;
} // namespace

PixelEditor::PixelEditor(QWidget* page, Layers& layerSet) : layers(layerSet)
{
    Shape4 = new QFrame(page);
    Shape4->setObjectName(QStringLiteral("Shape4"));
    Shape4->setFrameShape(QFrame::NoFrame);
    Shape4->setGeometry(0, 0, kTabWidth, kTabHeight);
    SetBackColor(Shape4, style::kPageGrey);
    Shape4->setAttribute(Qt::WA_TransparentForMouseEvents);

    content = new QWidget(page);
    content->setObjectName(QStringLiteral("PixelEditingContent"));
    content->setGeometry(0, kContentTop, kTabWidth, kTabHeight - kContentTop);

    // Creation order is stacking order: the selection list and the tool
    // panel lie over the surface.
    surface = std::make_unique<EditingSurface>(*this, content);
    spray = std::make_unique<SprayPalette>(*this, content);
    tools = std::make_unique<EditingTools>(*this, content);
    transfer = std::make_unique<LayerTransfer>(*this, content);
    selection = std::make_unique<SelectionActions>(*this, content);
    panel = std::make_unique<ToolPanel>(*this, content);

    // "Current Color" stands right under the palette, as wide as it, down to
    // the page's bottom edge: the colour painted with under the colours picked.
    const QRect palette = spray->Picture3->geometry();
    surface->Label3->setGeometry(palette.left(), palette.bottom() + 1, palette.width(),
                                 content->height() - palette.bottom() - 1);
}

PixelEditor::~PixelEditor() = default;

Colour PixelEditor::CurrentColor() const { return surface->CurrentColor(); }
void PixelEditor::SetCurrentColor(Colour c) { surface->SetCurrentColor(c); }
void PixelEditor::SetBrush(const QString& text) { surface->SetBrush(text); }
void PixelEditor::TakeUndoPoint() { surface->TakeUndoPoint(); }
void PixelEditor::EraseLingeringBand() { surface->EraseLingeringBand(); }
const QImage& PixelEditor::SurfaceImage() const { return surface->PixEditPic->Image(); }
void PixelEditor::DrawOnSurface(const std::function<void(QImage&)>& draw) { surface->Draw(draw); }
void PixelEditor::ClearSurface(const QImage& blank) { surface->Clear(blank); }
void PixelEditor::UndoSurface() { surface->Undo(); }

bool PixelEditor::Spraying() const { return spray->bbrush->Value() == 1; }
void PixelEditor::SprayAt(float X, float Y) { spray->SprayAt(X, Y); }
void PixelEditor::TintSprayTip() { spray->TintBlendBrush(); }

void PixelEditor::EnableUndo() { tools->Command32->setEnabled(true); }

void PixelEditor::ShowSelectionList()
{
    selection->cutpaste->show();
    selection->cutpaste->raise();
}

void PixelEditor::HideToolPanel() { panel->Painttools->hide(); }

void PixelEditor::PickTool(int Index)
{
    ComboBox& brush = *surface->Combo1;
    auto setSpray = [this](int spraycan, int uniform) {
        spray->bbrush->setValue(spraycan);
        spray->Check2->setValue(uniform);
    };
    switch (Index) {
    case 0: // Clear All
        tools->Command11_Click();
        brush.setEnabled(false);
        break;
    case 1: // Undo
        tools->Command32_Click();
        brush.setEnabled(false);
        break;
    case 2: // Eraser
        tools->Command33_Click();
        setSpray(0, 0);
        brush.setEnabled(true);
        break;
    case 3: // Pencil
        tools->Command34_Click();
        setSpray(0, 0);
        brush.setEnabled(true);
        break;
    case 4: // Spraycan
        setSpray(1, 0);
        SetBrush(pixel_ops::BrushNames().front());
        brush.setEnabled(false);
        break;
    case 5: // Uniform Spray
        setSpray(1, 1);
        SetBrush(pixel_ops::BrushNames().front());
        brush.setEnabled(false);
        break;
    case 6: // Selection
        tools->Command31_Click();
        setSpray(0, 0);
        brush.setEnabled(false);
        break;
    case 7: // Rulers
        tools->Command35_Click();
        break;
    default: // Invert
        tools->Command36_Click();
        break;
    }
}
