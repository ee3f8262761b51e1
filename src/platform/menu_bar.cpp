#include "platform/menu_bar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyleOptionMenuItem>

MenuBar::MenuBar(QWidget* window) : QMenuBar(window) {}

bool MenuBar::eventFilter(QObject* o, QEvent* e)
{
    // The menu bar watches its window's keys: F10 that no control took
    // reaches the window and acts as a lone Alt does.
    if (o == window() && e->type() == QEvent::KeyPress && isVisible()) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_F10 && k->modifiers() == Qt::NoModifier) {
            if (!k->isAutoRepeat()) {
                // The Alt key's own event carries the modifiers held before
                // it; the event reports Alt added.
                QKeyEvent altDown(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
                QCoreApplication::sendEvent(window(), &altDown);
                QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
                QCoreApplication::sendEvent(window(), &altUp);
            }
            return true;
        }
    }
    return QMenuBar::eventFilter(o, e);
}

void MenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const
{
    QMenuBar::initStyleOption(option, action);
    // The bar holds the focus only while the keyboard works it: mark its
    // current title as an open one is, so the user sees which title is current.
    if (hasFocus() && (option->state & QStyle::State_Selected))
        option->state |= QStyle::State_Sunken;
}
