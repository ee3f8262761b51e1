#pragma once
// Secondary windows exist once: opening one that is open brings it forward;
// one that is closed (or closing, before Qt deletes it) is made anew.
#include <QPointer>
#include <QWidget>

template <typename Window, typename... Args>
Window* ShowSingleWindow(QPointer<Window>& window, Args&&... args)
{
    if (!window || !window->isVisible())
        window = new Window(std::forward<Args>(args)...);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
