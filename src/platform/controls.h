#pragma once
// The small controls of the windows, over Qt widgets, with the properties
// and handlers the window code uses: a label's background colour as state,
// a check box's Value 0/1, a slider's change notification, a timer.
//
// Every control takes its parent, its name and its geometry in pixels.
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "core/colour.h"
#include "platform/style.h"

// Background colour of any widget, as a Colour (0x00BBGGRR).
void SetBackColor(QWidget* w, Colour c);
void SetForeColor(QWidget* w, Colour c);
QColor ToQColor(Colour c);

class Label : public QLabel {
public:
    Label(QWidget* parent, const QString& name, QRect geometry, const QString& caption = {},
          Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
    QString Caption() const { return text(); }
    void setCaption(const QString& c) { setText(c); }
    // The background colour is part of the label's state (a key colour, the
    // current colour): it reads back exactly what was set.
    Colour BackColor() const { return backColor_; }
    void setBackColor(Colour c);
    void setForeColor(Colour c) { SetForeColor(this, c); }

    std::function<void()> onClick;
    std::function<void(int, int, float, float)> onMouseDown;
    std::function<void(int, int, float, float)> onMouseMove;
    std::function<void(int, int, float, float)> onMouseUp;
    // The second press of a double click raises a press and then this; its
    // release raises no click.
    std::function<void()> onDblClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    Colour backColor_ = -1;
    bool pressed_ = false;
};

// A push button that takes the focus when pressed, as well as by Tab.
class CommandButton : public QPushButton {
public:
    CommandButton(QWidget* parent, const QString& name, QRect geometry, const QString& caption = {});
    QString Caption() const { return text(); }
    void setCaption(const QString& c) { setText(c); }
    std::function<void()> onClick;
};

class CheckBox : public QCheckBox {
public:
    CheckBox(QWidget* parent, const QString& name, QRect geometry, const QString& caption = {});
    // 0 unchecked, 1 checked. Setting a different value from code raises
    // onClick, as a click does.
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int v) { setChecked(v != 0); }
    std::function<void()> onClick;
};

class TextBox : public QLineEdit {
public:
    TextBox(QWidget* parent, const QString& name, QRect geometry, const QString& text = {});
    QString Text() const { return text(); }
    // Text set by the program puts the caret at the start, so that a handler
    // that rewrites the box while the user types (a number put back in
    // range) leaves exactly its own text: the next key goes before it.
    void setTextValue(const QString& t)
    {
        setText(t);
        setCursorPosition(0);
    }
    // Raised whenever the text changes, from the user or from code.
    std::function<void()> onChange;
    // Raised when the focus leaves the box for another control of the
    // program (a click elsewhere, Tab, a switch of tabs). Reaching the menu
    // bar with Alt, opening a menu or a popup, or switching to another
    // window leaves the focus where it was, so none of those raises it.
    std::function<void()> onLostFocus;

protected:
    void focusOutEvent(QFocusEvent* e) override;
};

// A slider whose change notification fires whenever its value changes, by
// the user or by code setting a different value.
class Slider : public QSlider {
public:
    Slider(QWidget* parent, const QString& name, QRect geometry, Qt::Orientation orientation, int min, int max,
           int smallChange = 1, int largeChange = 5);
    int Value() const { return value(); }
    void setValueFromCode(int v) { setValue(v); }
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }

    std::function<void()> onChange;
    // Raised while the thumb is dragged (each position on the way).
    std::function<void()> onScroll;
    std::function<void(int, int, float, float)> onMouseDown;
    std::function<void(int, int, float, float)> onMouseUp;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

class ListBox : public QListWidget {
public:
    ListBox(QWidget* parent, const QString& name, QRect geometry, const QStringList& items = {});
    // The selected index, or -1.
    int ListIndex() const { return currentRow(); }
    void setListIndex(int i) { setCurrentRow(i); }
    std::function<void()> onClick;
};

class ComboBox : public QComboBox {
public:
    ComboBox(QWidget* parent, const QString& name, QRect geometry, const QStringList& items = {});
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int i) { setCurrentIndex(i); }
    QString Text() const { return currentText(); }
    std::function<void()> onClick;

    // The list opens at least as wide as its widest item, so a narrow box
    // still shows every item whole when it drops down.
    void showPopup() override;
};

// A timer that ticks every Interval milliseconds while Enabled; an interval
// of 0 keeps it silent without disabling it. Setting either restarts the
// countdown.
class Timer : public QTimer {
public:
    Timer(QObject* parent, const QString& name, int interval, bool enabled);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);
    int Interval() const { return interval(); }
    void setIntervalMs(int ms);
    std::function<void()> onTimer;

private:
    void apply();
    bool enabled_ = false;
};

// Static decorations: a filled rectangle and a line.
QFrame* Shape(QWidget* parent, const QString& name, QRect geometry, Colour fill, Colour border);
// A horizontal or vertical line one pixel wide, both end points included,
// whichever of them comes first.
QFrame* Line(QWidget* parent, const QString& name, QPoint from, QPoint to, Colour colour = style::kMidGrey);
// The pixels a line from one point to another spans: the box with both
// points inside it, in either order.
QRect LineBounds(QPoint from, QPoint to);
