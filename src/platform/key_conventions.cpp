#include "platform/key_conventions.h"

#include <array>
#include <memory>
#include <utility>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTextEdit>
#include <QTimer>

namespace {

// The X server repeats a held key as a release and a press stamped with the
// same time. Qt marks the pair as a repeat only when the press has already
// arrived as it reads the release; otherwise both come unmarked. Nobody
// releases and presses a key again within this many milliseconds.
constexpr unsigned long kPairMs = 2;
// A release is held back this long for the press that would make it half of
// such a pair.
constexpr int kHoldMs = 50;

// The keys that press buttons and answer questions.
constexpr std::array<int, 3> kActivationKeys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};

int ActivationKey(int key)
{
    for (size_t i = 0; i < kActivationKeys.size(); ++i)
        if (kActivationKeys[i] == key)
            return static_cast<int>(i);
    return -1;
}

// Whether w takes the key as typed text rather than as a command: Space in
// any text box, Return and Enter in a text of several lines.
bool TypesText(const QWidget* w, int key)
{
    if (key == Qt::Key_Space)
        return w->testAttribute(Qt::WA_InputMethodEnabled);
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        return !plain->isReadOnly();
    if (auto* rich = qobject_cast<const QTextEdit*>(w))
        return !rich->isReadOnly();
    return false;
}

class KeyConventions : public QObject {
public:
    explicit KeyConventions(QObject* parent) : QObject(parent)
    {
        for (Held& k : keys_) {
            k.timer.setSingleShot(true);
            connect(&k.timer, &QTimer::timeout, this, [this, &k] { letGo(k); });
        }
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // Each event is judged where it first arrives: at the widget with
            // the focus (the window's own stage passes it on unchanged).
            if (e == delivering_ || !o->isWidgetType())
                return false;
            return keyEvent(static_cast<QWidget*>(o), static_cast<QKeyEvent*>(e));
        case QEvent::Shortcut:
            accessKeyOnButton(o, static_cast<QShortcutEvent*>(e));
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // What the user does next meets the keys as released. A press
            // during which a release let go opened a question, and the
            // question closed, belongs to the window as it was before: it is
            // dropped, as the open question would have taken it.
            const int questions = questionsShown_;
            letGoAll(nullptr);
            return questionsShown_ != questions;
        }
        case QEvent::Show:
            if (o->isWidgetType() && static_cast<QWidget*>(o)->isModal())
                ++questionsShown_;
            return false;
        default:
            return false;
        }
    }

private:
    // One key of kActivationKeys.
    struct Held {
        // Down since a press that counted, in this window.
        bool down = false;
        QPointer<QWidget> window;
        // The time of the last release that came unmarked.
        unsigned long releasedAt = 0;
        // That release, held back for a moment, and where it went.
        std::unique_ptr<QKeyEvent> release;
        QPointer<QObject> releaseTo;
        QTimer timer;
    };

    // One press is one click, in every window: a press that repeats a held
    // key does nothing, wherever it arrives, but in the text box the key went
    // down in, where it types. A window that opens while the key is down
    // meets only repeats, so it waits for a new press.
    bool keyEvent(QWidget* w, QKeyEvent* e)
    {
        const int index = ActivationKey(e->key());
        if (e->type() == QEvent::KeyPress && std::exchange(droppedKey_, 0) == e->key())
            return drop(e);
        // A key during which a release let go opened a question, and the
        // question closed, is dropped, as a mouse press is (eventFilter).
        const int questions = questionsShown_;
        auto stale = [&] { return e->type() != QEvent::KeyRelease && questionsShown_ != questions; };
        if (e->type() != QEvent::KeyRelease)
            letGoAll(index < 0 ? nullptr : &keys_[static_cast<size_t>(index)]);
        if (index < 0)
            return stale() && drop(e);
        Held& k = keys_[static_cast<size_t>(index)];
        const unsigned long t = e->timestamp();

        if (e->type() == QEvent::KeyRelease) {
            if (e->isAutoRepeat())
                return false;
            if (t == 0) { // sent by the program itself: it pairs with nothing
                k.down = false;
                return false;
            }
            letGo(k);
            k.releasedAt = t;
            k.release.reset(static_cast<QKeyEvent*>(e->clone()));
            k.releaseTo = w;
            k.timer.start(kHoldMs);
            return true;
        }

        const bool pairsWithRelease = t != 0 && k.releasedAt != 0 && t - k.releasedAt <= kPairMs;
        if (pairsWithRelease) {
            // The release was half of a repeat: the key never went up.
            k.timer.stop();
            k.release.reset();
        } else {
            letGo(k);
        }
        if (stale())
            return drop(e);
        if (!e->isAutoRepeat() && !pairsWithRelease) {
            k.down = true;
            k.window = w->window();
            return e->type() == QEvent::KeyPress && enterOnButton(w, e);
        }
        if (k.down && k.window == w->window() && TypesText(w, e->key()))
            return false;
        // A repeat: no shortcut runs for it and no widget sees it.
        e->accept();
        return true;
    }

    // Drops a key event: no shortcut runs for it and no widget sees it. The
    // press that follows a dropped shortcut check is dropped too.
    bool drop(QKeyEvent* e)
    {
        if (e->type() == QEvent::ShortcutOverride)
            droppedKey_ = e->key();
        e->accept();
        return true;
    }

    // Lets a held release through: the key went up.
    void letGo(Held& k)
    {
        k.timer.stop();
        const std::unique_ptr<QKeyEvent> release = std::move(k.release);
        if (!release)
            return;
        k.down = false;
        if (!k.releaseTo)
            return;
        QEvent* outer = delivering_;
        delivering_ = release.get();
        QCoreApplication::sendEvent(k.releaseTo, release.get());
        delivering_ = outer;
    }

    void letGoAll(const Held* except)
    {
        for (Held& k : keys_)
            if (&k != except && k.release)
                letGo(k);
    }

    static bool enterOnButton(QWidget* w, QKeyEvent* e)
    {
        if ((e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
            || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(w);
        // A dialog's buttons (autoDefault) already take Return themselves.
        if (!button || !button->hasFocus() || button->autoDefault() || !button->isEnabled())
            return false;
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

    std::array<Held, kActivationKeys.size()> keys_;
    // The held release being let through, which passes unjudged.
    QEvent* delivering_ = nullptr;
    // How many modal windows have been shown.
    int questionsShown_ = 0;
    // The key whose shortcut check was dropped, whose press is dropped too.
    int droppedKey_ = 0;
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
