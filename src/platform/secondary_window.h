#pragma once
// The windows the main window opens beside itself, made in one place: each is
// of one kind, and each exists once.
#include <QPointer>
#include <QWidget>

// A secondary window: a client area of a fixed size, centred on the screen,
// not shown in the task bar, deleted when it closes (the next opening makes
// it afresh). Frame::Tool gives it a thin title bar without minimise or
// maximise buttons; Frame::None no frame and no title bar. A window that its
// owner keeps to show again turns Qt::WA_DeleteOnClose off.
class SecondaryWindow : public QWidget {
public:
    enum class Frame { Tool, None };

protected:
    SecondaryWindow(QWidget* parent, const QString& name, QSize client, Frame frame);
};

enum class Activation { Activate, Leave };

// Opens a window that exists once. When none is open (one that closed is
// gone, even while Qt has yet to delete it), make() builds one, or declines
// by returning null, and then nothing opens. The open window is shown and
// brought forward, and made the active window unless Activation::Leave.
template <typename Window, typename Make>
Window* OpenOnce(QPointer<Window>& window, Make make, Activation activation = Activation::Activate)
{
    if (!window || !window->isVisible()) {
        window = make();
        if (!window)
            return nullptr;
    }
    window->show();
    window->raise();
    if (activation == Activation::Activate)
        window->activateWindow();
    return window;
}
