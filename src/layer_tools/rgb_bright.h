#pragma once
// The RGB/Bright tab: tints a layer per channel and brightens it.
//
// The user loads layer A or B into the tab (Picture5 keeps that untinted
// copy), scales the red, green and blue channels with three sliders from 0 %
// to 200 % (the brightness bar sets all three at once), and writes the tinted
// texture (Picture6) back to layer A or B. Every recomputation starts again
// from Picture5, so adjustments never compound.
#include <array>

#include <QImage>
#include <QObject>

#include "core/colour.h"

class QFrame;
class QWidget;
class CommandButton;
class Label;
class Layers;
class PictureBuffer;
class Slider;
class TextBox;

class RgbBright {
public:
    static constexpr int kPercentMax = 200;
    static constexpr int kPercentStart = 100;

    RgbBright(QWidget* page, Layers& layers);
    ~RgbBright();
    RgbBright(const RgbBright&) = delete;
    RgbBright& operator=(const RgbBright&) = delete;

    // Recomputes the tinted texture from the untinted source and writes the
    // three percentages into their boxes.
    void ApplyRgbTint();

    void R_Change();
    void G_Change();
    void B_Change();
    // The brightness bar sets R, G and B in turn; each that changes recomputes.
    void tint_Change();
    void Command16_Click(); // load layer A
    void Command17_Click(); // load layer B
    void Command26_Click(); // set layer A to the tinted texture
    void Command25_Click(); // set layer B to the tinted texture
    void Command27_Click(); // reset the percentages to 100
    // A percentage typed into a box is applied when the box loses the focus.
    void Text5_LostFocus();
    void Text6_LostFocus();
    void Text7_LostFocus();

    // Controls
    QFrame* Shape11 = nullptr;
    Label* Label9 = nullptr;
    CommandButton* Command16 = nullptr;
    CommandButton* Command17 = nullptr;
    PictureBuffer* Picture5 = nullptr; // untinted source
    QFrame* Line6 = nullptr;
    Label* Label10 = nullptr;
    QFrame* Shape7 = nullptr;
    QFrame* Shape6 = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QFrame* Shape3 = nullptr;
    Slider* tint = nullptr;
    Slider* R = nullptr;
    Slider* G = nullptr;
    Slider* B = nullptr;
    PictureBuffer* Picture6 = nullptr; // tinted texture
    CommandButton* Command27 = nullptr;
    TextBox* Text5 = nullptr;
    TextBox* Text6 = nullptr;
    TextBox* Text7 = nullptr;
    QFrame* Line7 = nullptr;
    Label* Label12 = nullptr;
    CommandButton* Command26 = nullptr;
    CommandButton* Command25 = nullptr;

private:
    void loadLayer(const PictureBuffer* layer);
    void resetPercentages();
    static void applyTypedPercent(TextBox* box, Slider* slider);

    Layers& layers_;
};
