#pragma once
// The Pixel Editing tab: a magnified editing surface for one tile with
// brushes, spray, palette, tools and selection, and the transfer of the tile
// from and to layers A and B.
//
// The editor is composed of parts, each owning its controls and handlers:
// the surface (painting, picking, marking; the undo point, the current
// colour and the brush list), the spray and palette, the selection actions,
// the editing tools, the sliding tool panel and the layer transfer. The
// window-level variables that all parts share live here.
#include <cstdint>
#include <memory>

class QFrame;
class QWidget;
class Layers;
class EditingSurface;
class SprayPalette;
class SelectionActions;
class EditingTools;
class ToolPanel;
class LayerTransfer;

class PixelEditor {
public:
    // The tab's controls stand this many pixels lower on the page than their
    // layout positions, so that the surface and the ruler above it clear the
    // row of tab captions.
    static constexpr int kContentTop = 13;

    PixelEditor(QWidget* page, Layers& layers);
    ~PixelEditor();
    PixelEditor(const PixelEditor&) = delete;
    PixelEditor& operator=(const PixelEditor&) = delete;

    // Window-level state of the editor.
    bool DrawEnabled = false;    // the left button paints only while true
    bool SelectMode = false;     // the surface marks selections instead of painting
    bool SelectAnchored = false; // a press has anchored a selection, until the release
    // Selection corners: origins of the anchor block (1) and of the block
    // under the mouse at the last move while anchored (2), in surface pixels.
    int32_t SelX1 = 0;
    int32_t SelY1 = 0;
    int32_t SelX2 = 0;
    int32_t SelY2 = 0;

    Layers& layers;
    QFrame* Shape4 = nullptr;    // the page background
    QWidget* content = nullptr;  // holds the tab's controls, kContentTop below the page's top

    std::unique_ptr<EditingSurface> surface;
    std::unique_ptr<SprayPalette> spray;
    std::unique_ptr<EditingTools> tools;
    std::unique_ptr<LayerTransfer> transfer;
    std::unique_ptr<SelectionActions> selection;
    std::unique_ptr<ToolPanel> panel;
};
