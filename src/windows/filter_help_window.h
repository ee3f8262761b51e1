#pragma once
// The filter help window (how to write a filter) and the message on where
// to find more filters.
#include "platform/secondary_window.h"

class CommandButton;
class QPlainTextEdit;

// The help text, lines separated by line breaks.
QString FilterHelpText();
// The text of the more-filters message box.
QString MoreFiltersMessage();

class Form8 : public SecondaryWindow {
public:
    static constexpr int kClientWidth = 527;
    static constexpr int kClientHeight = 484;

    explicit Form8(QWidget* parent = nullptr);
    // Shows the help window; one that is open only comes forward.
    static Form8* Open(QPointer<Form8>& window, QWidget* parent);

    void Command1_Click();

    QPlainTextEdit* Text1; // read-only
    CommandButton* Command1;
};
