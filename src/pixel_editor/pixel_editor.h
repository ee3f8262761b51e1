#pragma once
// The Pixel Editing tab: a magnified editing surface for one tile with brushes, spray, palette, tools and selection.
class QWidget;
class Layers;

class PixelEditor {
public:
    PixelEditor(QWidget* page, Layers& layers);

    // Window-level state of the editor.
    bool DrawEnabled = false;
    bool SelectMode = false;

private:
    Layers& layers_;
};
