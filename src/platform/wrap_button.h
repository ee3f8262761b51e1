#pragma once
// A command button whose caption wraps onto several lines when it is wider
// than the button (a 57 x 57 "Lower Right"), instead of being cut off. The
// caption itself stays one text: Caption() reads back exactly what was set.
#include "platform/controls.h"

class WrapButton : public CommandButton {
public:
    using CommandButton::CommandButton;

protected:
    void paintEvent(QPaintEvent* e) override;
};
