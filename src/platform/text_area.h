#pragma once
// A multi-line text box. It ignores clipboard and drop data that hold no
// text: Qt 6.4's text control reads the first format of such data without
// looking whether there is one, and data with no formats at all (an empty
// clipboard after a fresh login) would end the program on a paste.
//
// Like every text box of the program it never takes Tab: Tab and Shift+Tab
// move the focus to the next or the previous control.
#include <QPlainTextEdit>

class TextArea : public QPlainTextEdit {
public:
    explicit TextArea(QWidget* parent = nullptr) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
