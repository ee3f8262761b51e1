#pragma once
// A window's menu bar. Alt alone or F10 makes it active with its first title
// marked, without opening a menu; arrows move the mark, Down or Return opens
// that menu, and Escape or the same key again leaves it, giving the focus
// back to the control that had it.
#include <QMenuBar>

class MenuBar : public QMenuBar {
public:
    // Give it to the window with QMainWindow::setMenuBar.
    explicit MenuBar(QWidget* window);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};
