#pragma once
// The read-me window: how to use the program, in a scrolling text box. The
// text can be edited, but every opening shows it afresh.
#include <array>

#include "platform/secondary_window.h"

class CommandButton;
class QFrame;
class QPlainTextEdit;

// The read-me text, lines separated by line breaks.
QString ReadMeText();

class Form4 : public SecondaryWindow {
public:
    static constexpr int kClientWidth = 583;
    static constexpr int kClientHeight = 312;

    explicit Form4(QWidget* parent = nullptr);
    // Shows the read-me window; one that is open only comes forward.
    static Form4* Open(QPointer<Form4>& window, QWidget* parent);

    void Command1_Click();

    QPlainTextEdit* Text1;
    CommandButton* Command1;
    std::array<QFrame*, 11> Lines{}; // Line1 to Line11: the ornament at the bottom left
};
