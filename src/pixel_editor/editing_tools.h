#pragma once
// The editing tools that act on the surface as a whole or switch its mode:
// Clear All, Selection, Undo, Eraser, Pencil, Rulers and Invert. Each is the
// click handler of a hidden button; the tool panel runs them.
class QWidget;
class CommandButton;
class PictureBuffer;
class PixelEditor;

class EditingTools {
public:
    EditingTools(PixelEditor& editor, QWidget* content);

    void Command11_Click(); // Clear All
    void Command31_Click(); // Selection
    void Command32_Click(); // Undo
    void Command33_Click(); // Eraser
    void Command34_Click(); // Pencil
    void Command35_Click(); // Rulers
    void Command36_Click(); // Invert

    CommandButton* Command11;
    CommandButton* Command31;
    CommandButton* Command32;
    CommandButton* Command33;
    CommandButton* Command34;
    CommandButton* Command35;
    CommandButton* Command36;
    PictureBuffer* Picture18; // the blank picture Clear All puts on the surface
    PictureBuffer* Image3;    // horizontal ruler above the surface
    PictureBuffer* Image4;    // vertical ruler left of the surface

private:
    void LeaveSelectionMode();
    PixelEditor& ed_;
};
