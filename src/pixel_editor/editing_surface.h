#pragma once
// The editing surface: one tile shown seven times enlarged, painted with a
// square brush by the left button, read for the current colour by the right
// button, and marked with a rubber band in selection mode. It also holds the
// undo point, the current colour and the brush list, which the other parts
// of the editor reach through PixelEditor.
#include <cstdint>
#include <functional>

#include <QString>

#include "core/colour.h"

class QImage;
class QWidget;
class ComboBox;
class Label;
class PictureBuffer;
class PixelEditor;

class EditingSurface {
public:
    EditingSurface(PixelEditor& editor, QWidget* content);

    void PixEditPic_MouseDown(int Button, int Shift, float X, float Y);
    void PixEditPic_MouseMove(int Button, int Shift, float X, float Y);
    void PixEditPic_MouseUp(int Button, int Shift, float X, float Y);

    // Paints the current brush with its top-left block at the block under
    // (X, Y). Does not refresh the surface.
    void PaintBrushAt(float X, float Y, Colour colour);
    // PixBackup takes the surface's image as its picture.
    void TakeUndoPoint();
    // The surface takes PixBackup's image as its picture (the surface as at
    // the undo point).
    void RestoreFromUndoPoint();
    // Undo: the surface takes PixBackup's picture, the one the undo point
    // took, whatever was drawn on PixBackup since.
    void Undo();
    // Clear All: wipes what was drawn on the undo point (its picture stays)
    // and puts blank on the surface.
    void Clear(const QImage& blank);
    // Lets draw change the surface's pixels, then shows them.
    void Draw(const std::function<void(QImage&)>& draw);
    // The inverted rectangle around the selected blocks.
    void DrawRubberBand();
    // Removes the band that a finished marking leaves on the surface, if
    // nothing has been drawn since, so that it never becomes part of the
    // tile (through a new undo point, a tool or a selection action). Once
    // anything else has drawn on the surface the band is gone already.
    void EraseLingeringBand();

    // The current colour is Label3's background colour. A value that is not
    // a colour (a read outside a picture gives -1) is refused.
    Colour CurrentColor() const;
    void SetCurrentColor(Colour c);
    // Combo1.Text = text
    void SetBrush(const QString& text);
    QString Brush() const;

    PictureBuffer* PixEditPic; // the surface, 448 x 448
    PictureBuffer* PixBackup;  // the undo point, 449 x 449, hidden
    ComboBox* Combo1;          // the brush list
    Label* Label3;             // "Current Color"

private:
    void InvertBandLines();
    PixelEditor& ed_;
    // The band last drawn and the surface's revision right after it.
    int32_t bandL_ = 0, bandT_ = 0, bandR_ = 0, bandB_ = 0;
    uint64_t bandRevision_ = 0;
};
