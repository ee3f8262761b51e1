#pragma once
// The spray and the colour palette. The spray stamps a soft 10 x 10 block
// patch that darkens the surface towards the current colour (in "Uniform"
// mode no channel ends below the current colour's); its tip is tinted
// whenever the current colour is picked. The palette's left button picks the
// current colour.
class QWidget;
class CheckBox;
class PictureBuffer;
class PixelEditor;

class SprayPalette {
public:
    SprayPalette(PixelEditor& editor, QWidget* content);

    // Rebuilds BlendBrush from the pristine tip and the current colour.
    void TintBlendBrush();
    // One spray stamp for the mouse at (X, Y) on the surface; refreshes it.
    void SprayAt(float X, float Y);

    void Picture3_MouseDown(int Button, int Shift, float X, float Y);
    void Picture3_MouseMove(int Button, int Shift, float X, float Y);

    PictureBuffer* Picture3;    // the palette
    PictureBuffer* BlendBrush;  // the tinted spray tip, hidden
    PictureBuffer* Blendbackup; // the pristine spray tip, hidden
    CheckBox* bbrush;           // "Spraycan": 1 while the left button sprays
    CheckBox* Check2;           // "Uniform": 1 for the uniform spray

private:
    void PickFromPalette(int Button, float X, float Y);
    PixelEditor& ed_;
};
