#include "texture_set/on_top.h"

#include <QWidget>

void SetTopMost(QWidget* window)
{
    if (!window)
        return;
    if (!(window->windowFlags() & Qt::WindowStaysOnTopHint)) {
        // Changing the flags of a shown window hides it; keep it where it is.
        const bool shown = window->isVisible();
        const QPoint pos = window->pos();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        window->move(pos);
        if (shown)
            window->show();
    }
    window->raise();
    window->activateWindow();
}
