#include "platform/controls.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QMouseEvent>

#include "platform/picture_buffer.h"

QColor ToQColor(Colour c) { return QColor::fromRgb(PictureBuffer::ToQRgb(c)); }

void SetBackColor(QWidget* w, Colour c)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(c));
    pal.setColor(QPalette::Base, ToQColor(c));
    pal.setColor(QPalette::Button, ToQColor(c));
    w->setPalette(pal);
}

void SetForeColor(QWidget* w, Colour c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, ToQColor(c));
    pal.setColor(QPalette::Text, ToQColor(c));
    pal.setColor(QPalette::ButtonText, ToQColor(c));
    w->setPalette(pal);
}

namespace {
template <typename W> void Place(W* w, const QString& name, QRect geometry)
{
    w->setObjectName(name);
    w->setGeometry(geometry);
}
} // namespace

Label::Label(QWidget* parent, const QString& name, QRect geometry, const QString& caption, Qt::Alignment align)
    : QLabel(caption, parent)
{
    Place(this, name, geometry);
    setAlignment(align);
    setWordWrap(true);
}

void Label::setBackColor(Colour c)
{
    backColor_ = c;
    SetBackColor(this, c);
}

void Label::mousePressEvent(QMouseEvent* e)
{
    pressed_ = true;
    if (onMouseDown)
        onMouseDown(PictureBuffer::ButtonOf(e->button()), PictureBuffer::ShiftOf(e->modifiers()),
                    float(e->position().x()), float(e->position().y()));
}

void Label::mouseMoveEvent(QMouseEvent* e)
{
    if (onMouseMove)
        onMouseMove(PictureBuffer::ButtonsOf(e->buttons()), PictureBuffer::ShiftOf(e->modifiers()),
                    float(e->position().x()), float(e->position().y()));
}

void Label::mouseReleaseEvent(QMouseEvent* e)
{
    if (onMouseUp)
        onMouseUp(PictureBuffer::ButtonOf(e->button()), PictureBuffer::ShiftOf(e->modifiers()),
                  float(e->position().x()), float(e->position().y()));
    if (pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick)
        onClick();
    pressed_ = false;
}

void Label::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click: a press that ends in no click.
    mousePressEvent(e);
    pressed_ = false;
    if (onDblClick)
        onDblClick();
}

CommandButton::CommandButton(QWidget* parent, const QString& name, QRect geometry, const QString& caption)
    : QPushButton(caption, parent)
{
    Place(this, name, geometry);
    // A press moves the focus to the button before it acts, so a text box
    // the user was typing in loses the focus, and its handler takes the
    // typed value, before the click's handler runs.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
}

CheckBox::CheckBox(QWidget* parent, const QString& name, QRect geometry, const QString& caption)
    : QCheckBox(caption, parent)
{
    Place(this, name, geometry);
    connect(this, &QCheckBox::toggled, this, [this] {
        if (onClick)
            onClick();
    });
}

TextBox::TextBox(QWidget* parent, const QString& name, QRect geometry, const QString& text) : QLineEdit(text, parent)
{
    Place(this, name, geometry);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onChange)
            onChange();
    });
}

void TextBox::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    const Qt::FocusReason why = e->reason();
    if (onLostFocus && why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason
        && why != Qt::MenuBarFocusReason)
        onLostFocus();
}

Slider::Slider(QWidget* parent, const QString& name, QRect geometry, Qt::Orientation orientation, int min, int max,
               int smallChange, int largeChange)
    : QSlider(orientation, parent)
{
    Place(this, name, geometry);
    setRange(min, max);
    setSingleStep(smallChange);
    setPageStep(largeChange);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (onChange)
            onChange();
    });
    connect(this, &QSlider::sliderMoved, this, [this] {
        if (onScroll)
            onScroll();
    });
}

void Slider::mousePressEvent(QMouseEvent* e)
{
    if (onMouseDown)
        onMouseDown(PictureBuffer::ButtonOf(e->button()), PictureBuffer::ShiftOf(e->modifiers()),
                    float(e->position().x()), float(e->position().y()));
    QSlider::mousePressEvent(e);
}

void Slider::mouseReleaseEvent(QMouseEvent* e)
{
    QSlider::mouseReleaseEvent(e);
    if (onMouseUp)
        onMouseUp(PictureBuffer::ButtonOf(e->button()), PictureBuffer::ShiftOf(e->modifiers()),
                  float(e->position().x()), float(e->position().y()));
}

ListBox::ListBox(QWidget* parent, const QString& name, QRect geometry, const QStringList& items)
    : QListWidget(parent)
{
    Place(this, name, geometry);
    addItems(items);
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (onClick)
            onClick();
    });
}

ComboBox::ComboBox(QWidget* parent, const QString& name, QRect geometry, const QStringList& items)
    : QComboBox(parent)
{
    Place(this, name, geometry);
    addItems(items);
    connect(this, &QComboBox::activated, this, [this] {
        if (onClick)
            onClick();
    });
}

void ComboBox::showPopup()
{
    QAbstractItemView* list = view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth());
    QComboBox::showPopup();
}

Timer::Timer(QObject* parent, const QString& name, int interval, bool enabled) : QTimer(parent)
{
    setObjectName(name);
    QTimer::setInterval(interval);
    connect(this, &QTimer::timeout, this, [this] {
        if (onTimer)
            onTimer();
    });
    setEnabled(enabled);
}

void Timer::setEnabled(bool on)
{
    enabled_ = on;
    apply();
}

void Timer::setIntervalMs(int ms)
{
    QTimer::setInterval(ms);
    apply();
}

void Timer::apply()
{
    if (enabled_ && interval() > 0)
        start();
    else
        stop();
}

QFrame* Shape(QWidget* parent, const QString& name, QRect geometry, Colour fill, Colour border)
{
    auto* f = new QFrame(parent);
    Place(f, name, geometry);
    f->setFrameShape(QFrame::Box);
    f->setLineWidth(1);
    SetBackColor(f, fill);
    QPalette pal = f->palette();
    pal.setColor(QPalette::WindowText, ToQColor(border));
    f->setPalette(pal);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

QRect LineBounds(QPoint from, QPoint to)
{
    // Built from the corners rather than normalised: normalising a box given
    // right to left drops its first and last column.
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}

QFrame* Line(QWidget* parent, const QString& name, QPoint from, QPoint to, Colour colour)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(LineBounds(from, to));
    SetBackColor(f, colour);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}
