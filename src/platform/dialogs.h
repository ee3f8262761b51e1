#pragma once
// Message boxes and file dialogs behind one small interface, so the program
// uses real Qt dialogs and tests answer them from a script.
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

class QWidget;

enum class MsgButtons { OK, YesNo };
enum class MsgAnswer { OK, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows text with the given buttons; an empty title means the
    // application's title.
    virtual MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title = {}) = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> ShowOpen() = 0;
    virtual std::optional<QString> ShowSave() = 0;
};

// The application's title, used by message boxes that give none.
inline const QString kAppTitle = QStringLiteral("Glimmerdeck");

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title = {}) override;
    std::optional<QString> ShowOpen() override;
    std::optional<QString> ShowSave() override;

private:
    QWidget* parent_;
};

// A scripted double: answers come from queues, and every message shown is
// recorded. An empty queue answers OK / No / cancel.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        MsgButtons buttons;
    };
    std::deque<MsgAnswer> answers;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<Shown> shown;
    int opens = 0;
    int saves = 0;
    // Runs while a message box is "open" (before it returns), so a test can
    // look at the program's state at that moment.
    std::function<void(const Shown&)> whileShown;

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title = {}) override;
    std::optional<QString> ShowOpen() override;
    std::optional<QString> ShowSave() override;
};
