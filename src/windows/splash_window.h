#pragma once
// The splash window: the program's picture, borderless and above all other
// windows. It closes itself two seconds after it loads, or at once when its
// picture is clicked, and brings the main window forward as it goes.
#include "platform/secondary_window.h"

class QFrame;
class Label;
class PictureBuffer;
class Timer;

class frmSplash : public SecondaryWindow {
public:
    static constexpr int kClientWidth = 617;
    static constexpr int kClientHeight = 305;
    static constexpr int kShowMs = 2000;

    // mainWindow is brought forward when the splash loads and when it closes.
    explicit frmSplash(QWidget* mainWindow);

    // Sets the timer to two seconds (creating and loading the window first
    // when it is closed) and shows it.
    static frmSplash* Open(QPointer<frmSplash>& window, QWidget* mainWindow);

    void Form_Load();
    void Timer1_Timer();
    void Image1_Click();

    QFrame* Frame1;
    PictureBuffer* Image1;
    Label* lblCompany;
    Timer* Timer1;

private:
    void closeAndShowMain();

    QPointer<QWidget> main_;
};
