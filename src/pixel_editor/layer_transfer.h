#pragma once
// Moves the tile between the layers and the editing surface: "View:" A or B
// paints the layer seven times enlarged on the surface and takes an undo
// point; "Set:" A or B writes the surface back into the layer at its real
// size, pixel by pixel, so the layer raises no change notification and its
// mirrors keep their images.
class QWidget;
class CommandButton;
class Label;
class PictureBuffer;
class PixelEditor;

class LayerTransfer {
public:
    LayerTransfer(PixelEditor& editor, QWidget* content);

    void Command5_Click();  // View: A
    void Command6_Click();  // View: B
    void Command9_Click();  // Set: A
    void Command10_Click(); // Set: B

    // The two procedures behind the buttons.
    void ViewLayer(PictureBuffer& layer);
    void SetLayer(PictureBuffer& layer);

    Label* Label1; // "View:"
    Label* Label2; // "Set:"
    CommandButton* Command5;
    CommandButton* Command6;
    CommandButton* Command9;
    CommandButton* Command10;

private:
    PixelEditor& ed_;
};
