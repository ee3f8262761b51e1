#pragma once
// The Animation viewer tab: plays up to nine tiles in turn. The user fills
// nine frame slots from layer A or B; a timer then shows one frame after
// another in a strip of three views and in a view of its own.
#include <array>
#include <cstdint>

#include <QPointer>
#include <QWidget>

#include "core/animation_plan.h"

class QFrame;
class QObject;
class CheckBox;
class CommandButton;
class Label;
class Layers;
class PictureBuffer;
class Slider;
class TextBox;
class Timer;

class AnimationViewer {
public:
    static constexpr int kSlots = kAnimationSlots;
    static constexpr int kViews = 4;
    static constexpr int kMinFrames = kMinAnimationFrames;
    static constexpr int kMaxFrames = kMaxAnimationFrames;
    static constexpr int kMsPerSpeedStep = 10;

    AnimationViewer(QWidget* page, Layers& layers);
    ~AnimationViewer();
    AnimationViewer(const AnimationViewer&) = delete;
    AnimationViewer& operator=(const AnimationViewer&) = delete;

    // A mouse button was released over frame slot Index: the left button (1)
    // fills it with layer A, the right button (2) with layer B; anything
    // else, two buttons together included, does nothing.
    void Picture17_MouseUp(int Index, int Button, int Shift, float X, float Y);
    // "Play": takes the interval from the delay slider and starts at frame 1.
    void Command51_Click();
    // "Stop": halts the timer; the views and the frame number stay as they are.
    void Command52_Click();
    // Releasing the mouse on the delay slider applies its delay at once.
    void animspeed_MouseUp(int Button, int Shift, float X, float Y);
    // Keeps the frame count within 2 to 9.
    void Text8_Change();
    // One playback step.
    void anim_Timer();

    // The frame the next tick shows (0 before the first "Play").
    int16_t AnimFrame() const { return animFrame_; }
    // The frame count as a tick reads it: the number at the start of Text8.
    double FrameCount() const;
    // Whether the views all show the same frame (Check1 set).
    bool Simultaneous() const;
    // The timer interval the delay slider asks for, in milliseconds.
    int SliderInterval() const;

    // Controls, in the order they are stacked (later ones lie on top).
    QFrame* Shape9 = nullptr;
    PictureBuffer* Image6 = nullptr;
    PictureBuffer* Image7 = nullptr;
    QFrame* Shape15 = nullptr;
    std::array<PictureBuffer*, kViews> Picture16{};
    PictureBuffer* Image5 = nullptr;
    PictureBuffer* Image8 = nullptr;
    Label* Label7 = nullptr;
    CommandButton* Command51 = nullptr;
    CommandButton* Command52 = nullptr;
    QFrame* Line5 = nullptr;
    QFrame* Line1 = nullptr;
    std::array<QFrame*, 9> FramePath{}; // Line15 to Line23
    std::array<PictureBuffer*, kSlots> Picture17{};
    std::array<Label*, kSlots> Label24{};
    Label* Label25 = nullptr;
    Slider* animspeed = nullptr;
    Label* Label21 = nullptr;
    Label* Label22 = nullptr;
    Label* Label23 = nullptr;
    TextBox* Text8 = nullptr;
    CheckBox* Check1 = nullptr;
    Label* Label26 = nullptr;
    Timer* anim = nullptr;

private:
    void applySliderInterval();

    Layers& layers_;
    QPointer<QWidget> page_;
    int16_t animFrame_ = 0;
    QObject* slotMouse_ = nullptr; // turns slot mouse gestures into Picture17_MouseUp
};
