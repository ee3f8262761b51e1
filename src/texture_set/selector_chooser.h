#pragma once
// The window that chooses the selector's look from eight frames. The choice
// lives in the main window's selector picture and lasts until the program ends.
#include <array>

#include "platform/secondary_window.h"

class QLabel;
class QPushButton;
class PictureBuffer;

class Form7 : public SecondaryWindow {
public:
    // square is the main window's selector picture.
    Form7(PictureBuffer& square, QWidget* parent = nullptr);

    void Form_Load();
    void Picture2_Click(int Index);
    void Command1_Click();

    QLabel* Label1;
    QLabel* Label2;
    PictureBuffer* Picture1; // the current selector
    std::array<PictureBuffer*, 8> Picture2{};
    QPushButton* Command1;

private:
    PictureBuffer& square_;
};
