#pragma once
// The two small progress windows of the long bin commands. They have no code
// of their own: the command shows them, moves their bar and hides them, and
// keeps them for the next time.
#include "platform/secondary_window.h"

class QLabel;
class QProgressBar;

// "Saving: Standby...": borderless, 318 x 67, a painted title bar over a grey
// body, the bar pb at (7, 28).
class Form6 : public SecondaryWindow {
public:
    Form6();
    QProgressBar* pb;
};

// "Flipping, please standby...": borderless, 267 x 43, a navy caption label
// and the bar ProgressBar at (7, 21).
class Form2 : public SecondaryWindow {
public:
    Form2();
    QLabel* Label1;
    QProgressBar* ProgressBar;
};
