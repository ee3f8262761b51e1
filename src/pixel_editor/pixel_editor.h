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
//
// A part never includes another part's header or touches its controls: it
// asks the editor through the operations below, and the editor passes the
// request on to the part that owns what it names.
#include <cstdint>
#include <functional>
#include <memory>

#include "core/colour.h"
#include "platform/tab_control.h"

class QFrame;
class QImage;
class QString;
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
    // The row of tab captions covers the page's top, so the tab's controls
    // stand lower on the page than their layout positions. The surface, its
    // rulers and what opens over it move down by kSurfaceShift, which puts
    // the ruler above the surface right under the captions. The rows under
    // the surface (View and Set, the toolbox and its panel, the brush list,
    // the palette) move by kContentTop, kSurfaceDrop less: the gap under the
    // surface narrows from 7 pixels to 2, which leaves room for "Current
    // Color" under the palette above the page's bottom edge. All of them
    // stand on one container at kContentTop; the surface's rows add
    // kSurfaceDrop to their layout rows.
    static constexpr int kRulerTop = 7; // layout row of the ruler above the surface
    static constexpr int kSurfaceShift = TabControl::kCaptionHeight - kRulerTop;
    static constexpr int kSurfaceDrop = 5;
    static constexpr int kContentTop = kSurfaceShift - kSurfaceDrop;

    PixelEditor(QWidget* page, Layers& layers);
    ~PixelEditor();
    PixelEditor(const PixelEditor&) = delete;
    PixelEditor& operator=(const PixelEditor&) = delete;

    // The surface: the current colour (a value that is not a colour is
    // refused), the brush, the undo point and the band of a finished marking.
    Colour CurrentColor() const;
    void SetCurrentColor(Colour c);
    void SetBrush(const QString& text);
    void TakeUndoPoint();
    void EraseLingeringBand();
    // The tile as the surface shows it, seven times enlarged.
    const QImage& SurfaceImage() const;
    // Lets draw change the surface's pixels; the surface then shows them.
    // Drawing raises no change notification.
    void DrawOnSurface(const std::function<void(QImage&)>& draw);
    // Clear All: the surface takes the blank picture; what was drawn on the
    // undo point since it was taken goes, its picture stays.
    void ClearSurface(const QImage& blank);
    // Undo: the surface takes the undo point's picture.
    void UndoSurface();

    // The spray: whether the left button sprays, one stamp at (X, Y) on the
    // surface, and tinting its tip with the current colour.
    bool Spraying() const;
    void SprayAt(float X, float Y);
    void TintSprayTip();

    // Undo becomes available (a press on the surface took an undo point).
    void EnableUndo();
    // A marking ended: the selection list comes up over the surface.
    void ShowSelectionList();
    // The mouse is over the surface: the tool panel goes.
    void HideToolPanel();
    // The tool panel's label Index was pressed: runs its tool and sets the
    // spray flags and whether the brush list can be chosen from.
    void PickTool(int Index);

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
