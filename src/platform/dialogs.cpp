#include "platform/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

MsgAnswer QtDialogs::MsgBox(const QString& text, MsgButtons buttons, const QString& title)
{
    QMessageBox box(parent_);
    box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box.setText(text);
    if (buttons == MsgButtons::YesNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::OK;
}

std::optional<QString> QtDialogs::ShowOpen()
{
    const QString name = QFileDialog::getOpenFileName(parent_);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtDialogs::ShowSave()
{
    // The program asks its own questions about existing files, so the
    // dialog does not.
    const QString name =
        QFileDialog::getSaveFileName(parent_, {}, {}, {}, nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

MsgAnswer ScriptedDialogs::MsgBox(const QString& text, MsgButtons buttons, const QString& title)
{
    shown.push_back({text, title.isEmpty() ? kAppTitle : title, buttons});
    if (whileShown)
        whileShown(shown.back());
    MsgAnswer a = buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::OK;
    if (!answers.empty()) {
        a = answers.front();
        answers.pop_front();
    }
    return a;
}

// Takes the next scripted file answer; none left means cancel.
static std::optional<QString> Next(std::deque<std::optional<QString>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    const bool chosen = queue.front().has_value();
    const QString name = chosen ? *queue.front() : QString();
    queue.pop_front();
    if (!chosen)
        return std::nullopt;
    return name;
}

std::optional<QString> ScriptedDialogs::ShowOpen()
{
    ++opens;
    return Next(openAnswers);
}

std::optional<QString> ScriptedDialogs::ShowSave()
{
    ++saves;
    return Next(saveAnswers);
}
