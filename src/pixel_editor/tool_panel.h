#pragma once
// The tool panel that slides up out of the toolbox picture. Hovering the
// toolbox shows the panel at the toolbox's height and starts the timer; each
// tick raises its top and grows it by 100 twips until it is 2745 twips high.
// Hovering a tool label highlights it; a press on one hides the panel, runs
// the tool and sets the spray flags and the brush list.
//
// Top and Height are kept in twips (15 to a pixel) as single-precision
// values; the panel's bottom edge stays at 7785 twips while it slides.
#include <array>

class QFrame;
class QWidget;
class Label;
class PictureBuffer;
class PixelEditor;
class Timer;

class ToolPanel {
public:
    static constexpr int kTools = 9;
    static constexpr float kOpenTop = 5040;     // Top when fully open
    static constexpr float kOpenHeight = 2745;  // Height when fully open
    static constexpr float kToolboxTop = 7035;  // Top when the slide starts
    static constexpr float kStartHeight = 750;  // Height when the slide starts
    static constexpr float kStep = 100;         // per tick
    // The slide always takes 20 ticks; this spacing makes it visible as a
    // slide (about a third of a second) on any platform.
    static constexpr int kTickMs = 15;

    ToolPanel(PixelEditor& editor, QWidget* content);

    void Image11_MouseMove(int Button, int Shift, float X, float Y);
    void toolscroll_Timer();
    void toolselect_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void toolselect_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void ResetToolLabels();

    float Top() const { return top_; }
    float Height() const { return height_; }
    void setTop(float twips);
    void setHeight(float twips);

    PictureBuffer* Image11;           // the toolbox picture on the page
    QFrame* Painttools;               // the panel
    std::array<Label*, kTools> toolselect{};
    QFrame* Shape17;                  // marker beside the hovered label
    PictureBuffer* Image12;           // the toolbox picture inside the panel
    Timer* toolscroll;

private:
    void place();
    void highlight(int Index);
    PixelEditor& ed_;
    float top_ = kOpenTop;
    float height_ = kOpenHeight;
};
