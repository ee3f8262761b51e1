#pragma once
// The selection list shown over the surface when a marking ends: "Clear",
// "Copy", "Cut", "Paste" and "Cancel" act on the marked rectangle of blocks.
// The clipboard holds one pixel per block; two hidden text boxes hold the
// extent of the last copy in surface pixels.
#include <QString>

class QWidget;
class ListBox;
class PictureBuffer;
class PixelEditor;
class TextBox;

class SelectionActions {
public:
    SelectionActions(PixelEditor& editor, QWidget* content);

    // The clicked item of cutpaste acts on the last marked rectangle.
    void cutpaste_Click();
    // Clicks the item with this text ("Clear", "Copy", "Cut", "Paste", "Cancel").
    void ClickItem(const QString& item);

    ListBox* cutpaste;          // the selection list
    PictureBuffer* clipboardpic; // the clipboard, 449 x 449, hidden
    TextBox* Text2;             // width of the last copy
    TextBox* Text3;             // height of the last copy

private:
    void Paste();
    void CopyOrCut(bool cut);
    void Clear();
    void OrderCorners();
    PixelEditor& ed_;
};
