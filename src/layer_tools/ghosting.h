#pragma once
// The Ghosting tab: blends layer A over layer B with an adjustable weight.
//
// Its inputs are the hidden layer copies Picture9 (layer A) and Picture10
// (layer B), the tab's mirrors: the main window hands them to Layers, so they
// take a layer only when that layer is replaced as a whole, and each such
// replacement recomputes the blend (Picture11) at once. The 2x view
// (Picture12) is redrawn only when the weight changes. The blend can be
// written back to layer A or B.
#include <QImage>

#include "core/colour.h"

class QFrame;
class QWidget;
class CommandButton;
class Label;
class Layers;
class PictureBuffer;
class SlantedLine;
class Slider;

// One channel of the blend: weight / 255 times (a - b), plus b, in double
// precision and in this order, rounded half to even. The weight of layer A
// is 0..255; at 255 the result is a, at 0 it is b.
int BlendChannel(int a, int b, int weight);

// A colour of layer A mixed with one of layer B, channel by channel.
Colour BlendColour(Colour a, Colour b, int weight);

// The blend of two pictures of one size, pixel by pixel; pictures of
// different sizes give a null picture.
QImage BlendGhostPixels(const QImage& layerA, const QImage& layerB, int weight);

// Nearest-neighbour enlargement: every pixel becomes a 2 x 2 block.
QImage EnlargeTwice(const QImage& source);

class Ghosting {
public:
    static constexpr int kWeightMax = 255;
    static constexpr int kWeightStart = 128;

    Ghosting(QWidget* page, Layers& layers);
    ~Ghosting();
    Ghosting(const Ghosting&) = delete;
    Ghosting& operator=(const Ghosting&) = delete;

    // Recomputes the blend from the two layer copies and the weight.
    void BlendGhostLayers();
    // Redraws the 2x view from the blend.
    void DrawDoubleView();

    void Picture9_Change();  // layer A was replaced
    void Picture10_Change(); // layer B was replaced
    void Slider1_Change();   // the weight changed
    void Command28_Click();  // "50/50"
    void Command30_Click();  // set layer A to the blend
    void Command29_Click();  // set layer B to the blend

    // Controls
    QFrame* Shape12 = nullptr;
    Label* Label13 = nullptr;
    PictureBuffer* Picture10 = nullptr; // hidden copy of layer B
    PictureBuffer* Picture11 = nullptr; // the blend
    PictureBuffer* Picture9 = nullptr;  // hidden copy of layer A
    SlantedLine* Line11 = nullptr;
    SlantedLine* Line12 = nullptr;
    PictureBuffer* Picture12 = nullptr; // the 2x view
    Slider* Slider1 = nullptr;          // weight of layer A
    CommandButton* Command28 = nullptr;
    QFrame* Line9 = nullptr;
    Label* Label14 = nullptr;
    CommandButton* Command30 = nullptr;
    CommandButton* Command29 = nullptr;

private:
    Layers& layers_;
};
