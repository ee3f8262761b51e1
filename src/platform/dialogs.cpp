#include "platform/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "platform/program_end.h"

namespace {

// The message box wraps its text only between words, so a long path would
// run past its right edge and be cut. Within any run of more than 40
// characters without a space, a zero-width space after each character lets
// a line break anywhere; the text shown is the same.
QString WrapsAnywhere(const QString& text)
{
    constexpr qsizetype kLongRun = 40;
    constexpr QChar kZeroWidthSpace(0x200B);
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = i;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        const bool longRun = end - i > kLongRun;
        for (; i < end; ++i) {
            out += text[i];
            // Never between the halves of a surrogate pair or before a mark
            // that belongs to the character.
            if (longRun && i + 1 < end && !text[i].isHighSurrogate() && !text[i + 1].isMark())
                out += kZeroWidthSpace;
        }
        for (; i < text.size() && text[i].isSpace(); ++i)
            out += text[i];
    }
    return out;
}

} // namespace

MsgAnswer QtDialogs::MsgBox(const QString& text, MsgButtons buttons, const QString& title)
{
    // Once the program is ending, no question is asked, and one that was open
    // when it began to end is answered so: the refusing answer.
    if (ProgramEnding())
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::OK;
    QMessageBox box(parent_);
    box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box.setText(WrapsAnywhere(text));
    if (buttons == MsgButtons::YesNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        const bool yes = box.exec() == QMessageBox::Yes;
        return yes && !ProgramEnding() ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::OK;
}

std::optional<QString> QtDialogs::ShowOpen()
{
    if (ProgramEnding())
        return std::nullopt;
    const QString name = QFileDialog::getOpenFileName(parent_);
    if (name.isEmpty() || ProgramEnding())
        return std::nullopt;
    return name;
}

std::optional<QString> QtDialogs::ShowSave()
{
    if (ProgramEnding())
        return std::nullopt;
    // The program asks its own questions about existing files, so the
    // dialog does not.
    const QString name =
        QFileDialog::getSaveFileName(parent_, {}, {}, {}, nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty() || ProgramEnding())
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
