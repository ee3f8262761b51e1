#pragma once
// The about box: who makes the program, on a black ground.
#include "platform/secondary_window.h"

class CommandButton;
class Label;
class PictureBuffer;

class Form3 : public SecondaryWindow {
public:
    static constexpr int kClientWidth = 419;
    static constexpr int kClientHeight = 214;

    explicit Form3(QWidget* parent = nullptr);
    // Shows the about box; one that is open only comes forward.
    static Form3* Open(QPointer<Form3>& window, QWidget* parent);

    void Command1_Click();

    Label* Label1;
    PictureBuffer* Image2;
    CommandButton* Command1;
    Label* Label5; // lies below the client area: never seen
};
