#include "platform/tab_control.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QTabBar>
#include <QWheelEvent>

#include "platform/style.h"

namespace {
// Tabs change only by a click on a caption or from the program: Qt's tab bar
// would also step through the tabs when the wheel turns over the captions.
class CaptionRow : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    void wheelEvent(QWheelEvent* e) override { e->ignore(); }

    // The current caption, when the row has the focus, wears a dotted focus
    // frame: the stylesheet's tabs draw none of their own.
    void paintEvent(QPaintEvent* e) override
    {
        QTabBar::paintEvent(e);
        if (!hasFocus() || currentIndex() < 0)
            return;
        QPainter painter(this);
        style::DrawFocusFrame(painter, tabRect(currentIndex()).adjusted(2, 2, -2, -1),
                              palette().color(QPalette::WindowText));
    }
};
} // namespace

TabControl::TabControl(QWidget* parent, const QString& name, const QStringList& captions, QColor background)
    : QWidget(parent)
{
    setObjectName(name);
    for (int i = 0; i < captions.size(); ++i) {
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("%1_page%2").arg(name).arg(i));
        page->setAutoFillBackground(true);
        QPalette pal = page->palette();
        pal.setColor(QPalette::Window, background);
        page->setPalette(pal);
        page->hide();
        pages_.push_back(page);
    }
    bar_ = new CaptionRow(this);
    bar_->setDrawBase(true);
    bar_->setExpanding(true);
    bar_->setUsesScrollButtons(false);
    bar_->setElideMode(Qt::ElideNone);
    // Seven captions share one row of a narrow control: a compact font and
    // tight padding keep every caption whole and the row slim, which leaves
    // the pages room under it.
    style::SetCompactFont(bar_);
    bar_->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 0px 1px; margin: 0px; color: %1;"
        " border: 1px solid %2; border-bottom: none; border-top-left-radius: 3px;"
        " border-top-right-radius: 3px; }"
        "QTabBar::tab:!selected { margin-top: 2px; background: %3; }"
        "QTabBar::tab:selected { background: %4; }")
                            .arg(style::Css(style::kCharcoal), style::Css(style::kMidGrey),
                                 style::Css(style::kShadeGrey), style::Css(style::kPageGrey)));
    for (const QString& c : captions)
        bar_->addTab(c);
    connect(bar_, &QTabBar::currentChanged, this, [this](int i) { showPage(i); });
    showPage(0);

    // Ctrl+Tab and Ctrl+PageDown go to the next tab, Ctrl+Shift+Tab and
    // Ctrl+PageUp to the one before, round the row, from any control of the
    // window.
    const auto step = [this](QKeySequence keys, int by) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, by] { setTab((Tab() + by + Tabs()) % Tabs()); });
    };
    step(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    step(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    // Shift+Tab arrives as Backtab, which matches Shift+Tab too.
    step(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
    step(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

int TabControl::Tab() const { return bar_->currentIndex(); }

void TabControl::setTab(int i)
{
    if (i >= 0 && i < Tabs())
        bar_->setCurrentIndex(i);
}

QString TabControl::TabCaption(int i) const { return bar_->tabText(i); }

void TabControl::showPage(int i)
{
    for (int k = 0; k < Tabs(); ++k)
        pages_[static_cast<size_t>(k)]->setVisible(k == i);
}

void TabControl::resizeEvent(QResizeEvent*)
{
    bar_->setGeometry(0, 0, width(), kCaptionHeight);
    for (QWidget* p : pages_)
        p->setGeometry(0, 0, width(), height());
    bar_->raise();
}
