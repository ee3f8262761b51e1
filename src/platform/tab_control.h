#pragma once
// A tab control whose pages share the control's own coordinates: a control
// placed at (x, y) on any page stands at (x, y) from the control's top-left
// corner. The row of tab captions lies over the pages' top kCaptionHeight
// rows, so controls belong below it.
#include <vector>

#include <QColor>
#include <QWidget>

class QTabBar;

class TabControl : public QWidget {
public:
    static constexpr int kCaptionHeight = 16;

    TabControl(QWidget* parent, const QString& name, const QStringList& captions, QColor background);

    int Tab() const;
    // Makes tab i current (out-of-range values are ignored).
    void setTab(int i);
    int Tabs() const { return static_cast<int>(pages_.size()); }
    QString TabCaption(int i) const;
    // The container of tab i's controls.
    QWidget* page(int i) const { return pages_.at(static_cast<size_t>(i)); }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void showPage(int i);

    QTabBar* bar_;
    std::vector<QWidget*> pages_;
};
