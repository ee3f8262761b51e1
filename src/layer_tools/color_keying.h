#pragma once
// The Color Keying tab: lays the top layer over the other with a key colour
// made transparent, and writes the result back to layer A or B.
//
// The tab works on its own copies of the layers, its mirrors (Ckey1 = A,
// Ckey2/Ckey3 = B), which it places on its page; the main window hands them
// to Layers, which copies a replaced layer into them. Its state lives in its controls:
// the key colour is Label4's background colour, "layer B on top" is Ckey3's
// visibility, near keying is Check3 and the tolerance is Slider2.
#include <QImage>

#include "core/colour.h"

class QGroupBox;
class QFrame;
class QWidget;
class Layers;
class PictureBuffer;
class Label;
class CommandButton;
class CheckBox;
class Slider;

// Whether a top-layer pixel is laid over the base. Exact keying drops only
// pixels equal to the key as whole colour values; near keying drops every
// pixel whose red, green and blue each lie within `tolerance` of the key's
// (so a tolerance of 0 keys exactly as exact keying does, and 255 drops all).
bool KeepsTopPixel(Colour pixel, Colour key, bool nearKeying, int tolerance);

// Lays `top` over `result` (which holds the base layer): every pixel of top
// that KeepsTopPixel accepts is written into result at the same place; the
// others leave the base pixel, rows outer, columns inner. Both images are
// Format_RGB32 of one size; otherwise result is left as it is.
void KeyOver(QImage& result, const QImage& top, Colour key, bool nearKeying, int tolerance);

class ColorKeying {
public:
    static constexpr Colour kStartKey = 0x00FF00FF; // magenta
    static constexpr const char* kSwitchStart = "Layer A is on top (Click to switch)";
    static constexpr const char* kATop = "Layer A is on top";
    static constexpr const char* kBTop = "Layer B is on top";

    ColorKeying(QWidget* page, Layers& layers);

    // The mirror of layer A (Ckey1) was replaced: the picker follows it while
    // A is on top.
    void Ckey1_Change();
    // The second mirror of layer B (Ckey3) was replaced: the picker follows
    // layer B's mirror while B is on top.
    void Ckey3_Change();

    // Picking the key colour: a press with any button, a move with the left
    // button alone. A point outside the picker leaves the key as it was.
    void CKeyPicker_MouseDown(int Button, int Shift, float X, float Y);
    void CKeyPicker_MouseMove(int Button, int Shift, float X, float Y);
    // Any release generates the result.
    void CKeyPicker_MouseUp(int Button, int Shift, float X, float Y);

    // Copies both layers into the mirrors and swaps which one is on top.
    void Command12_Click();
    // Generate: the base layer's mirror with the top one keyed over it.
    void Command13_Click();
    // "Set to layer A" / "Set to layer B": replaces the layer with the result.
    void Command14_Click();
    void Command15_Click();
    // A release over the tolerance slider generates the result.
    void Slider2_MouseUp(int Button, int Shift, float X, float Y);

    // Whether layer B lies on top (Ckey3 shown).
    bool LayerBOnTop() const;
    Colour KeyColour() const;

    // Controls
    PictureBuffer* Ckey1 = nullptr; // mirror of layer A
    PictureBuffer* Ckey2 = nullptr; // mirror of layer B
    PictureBuffer* Ckey3 = nullptr; // mirror of layer B; shown while layer B is on top
    QFrame* Shape10 = nullptr;
    Label* Label5 = nullptr;
    CommandButton* Command12 = nullptr;
    QFrame* Line2 = nullptr;
    Label* Label6 = nullptr;
    PictureBuffer* CKeyPicker = nullptr;
    Label* Label4 = nullptr;
    QGroupBox* Frame2 = nullptr;
    CheckBox* Check3 = nullptr;
    Slider* Slider2 = nullptr;
    CommandButton* Command13 = nullptr;
    QFrame* Line4 = nullptr;
    Label* Label8 = nullptr;
    PictureBuffer* Picture4 = nullptr;
    CommandButton* Command14 = nullptr;
    CommandButton* Command15 = nullptr;

private:
    void PickKey(float X, float Y);
    void SetKeyColour(Colour c);

    Layers& layers_;
};
