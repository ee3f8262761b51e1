#include "platform/key_conventions.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcutEvent>

namespace {

class KeyConventions : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress)
            return enterOnButton(o, static_cast<QKeyEvent*>(e));
        if (e->type() == QEvent::Shortcut)
            accessKeyOnButton(o, static_cast<QShortcutEvent*>(e));
        return false;
    }

private:
    static bool enterOnButton(QObject* o, QKeyEvent* e)
    {
        if ((e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
            || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(o);
        // A dialog's buttons (autoDefault) already take Return themselves.
        if (!button || !button->hasFocus() || button->autoDefault() || !button->isEnabled())
            return false;
        if (!e->isAutoRepeat())
            button->click();
        return true;
    }

    static void accessKeyOnButton(QObject* o, QShortcutEvent* e)
    {
        // A button receives shortcut events only for its own access key; an
        // ambiguous one already just moves the focus.
        auto* button = qobject_cast<QAbstractButton*>(o);
        if (button && !e->isAmbiguous() && button->isEnabled() && (button->focusPolicy() & Qt::TabFocus))
            button->setFocus(Qt::ShortcutFocusReason);
    }
};

} // namespace

void InstallKeyConventions()
{
    static KeyConventions* conventions = nullptr;
    if (conventions || !qApp)
        return;
    conventions = new KeyConventions(qApp);
    qApp->installEventFilter(conventions);
}
