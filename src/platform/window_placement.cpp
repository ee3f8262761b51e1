#include "platform/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}

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
