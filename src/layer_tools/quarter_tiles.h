#pragma once
// The 1/4 Tiles tab: copies layer A or B into a private source tile, reduces
// it at once to a 32 x 32 tile and pastes that tile into one of the four
// corners of layer A or B. Four pastes of four reductions build one tile out
// of four small ones.
//
// The tab keeps no variables: the layer the corners write is the caption of
// Command20, and the two tiles are the images of Picture7 and Picture8.
#include <QImage>

class QFrame;
class QWidget;
class Layers;
class PictureBuffer;
class Label;
class CommandButton;
class WrapButton;

class QuarterTiles {
public:
    static constexpr const char* kTargetA = "Set to layer A, in corner:";
    static constexpr const char* kTargetB = "Set to layer B, in corner:";

    QuarterTiles(QWidget* page, Layers& layers);

    // "A" / "B": copy the layer into the source tile; its change handler
    // reduces it before the click returns.
    void Command18_Click();
    void Command19_Click();
    // The source tile was replaced: reduce it into Picture8.
    void Picture7_Change();
    // Switches the layer the corners write between A and B.
    void Command20_Click();
    // The corners: top left, top right, lower left, lower right.
    void Command21_Click();
    void Command22_Click();
    void Command23_Click();
    void Command24_Click();

    // Reduces the source tile (Picture7) into Picture8, every pixel (i, j)
    // taking source pixel (2i, 2j).
    void ReduceQuarterTile();
    // Draws the reduced tile into the target layer with its top-left corner
    // at (X, Y). Drawing raises no change notification: the layer's mirrors
    // keep their images.
    void PasteQuarterTile(int X, int Y);

    // Controls
    QFrame* Shape13 = nullptr;
    Label* Label11 = nullptr;
    CommandButton* Command18 = nullptr;
    CommandButton* Command19 = nullptr;
    PictureBuffer* Picture7 = nullptr; // source tile, 64 x 64
    QFrame* Line8 = nullptr;
    CommandButton* Command20 = nullptr; // its caption says which layer the corners write
    Label* Label20 = nullptr;
    WrapButton* Command21 = nullptr;
    WrapButton* Command22 = nullptr;
    WrapButton* Command23 = nullptr;
    WrapButton* Command24 = nullptr;
    PictureBuffer* Picture8 = nullptr; // reduced tile, 32 x 32

private:
    Layers& layers_;
};
