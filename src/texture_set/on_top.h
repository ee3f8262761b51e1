#pragma once
class QWidget;

// Puts a window above all others, keeping its place and size, and activates
// it. Calling it again brings it to the top again.
void SetTopMost(QWidget* window);
