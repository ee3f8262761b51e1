#include "pixel_editor/pixel_editor.h"

#include <QFrame>
#include <QWidget>

#include "pixel_editor/editing_surface.h"
#include "pixel_editor/editing_tools.h"
#include "pixel_editor/layer_transfer.h"
#include "pixel_editor/selection_actions.h"
#include "pixel_editor/spray_palette.h"
#include "pixel_editor/tool_panel.h"
#include "platform/controls.h"
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
}

PixelEditor::~PixelEditor() = default;
