#pragma once
// Where a window stands: centred on its screen, or above all others.
class QWidget;

// Places a window in the middle of the screen it would open on.
void CentreOnScreen(QWidget* window);

// Puts a window above all others, keeping its place and size, and activates
// it. Calling it again brings it to the top again.
void SetTopMost(QWidget* window);
