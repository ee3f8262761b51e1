#include "texture_set/progress_windows.h"

#include <QLabel>
#include <QPalette>
#include <QProgressBar>

#include "artwork/artwork.h"
#include "platform/controls.h"
#include "platform/style.h"
#include "platform/window_placement.h"

namespace {
QProgressBar* Bar(QWidget* parent, const char* name, QRect geometry)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(geometry);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}
} // namespace

Form6::Form6() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Saving: Standby..."));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(318, 67);
    auto* background = new QLabel(this);
    background->setGeometry(0, 0, 318, 67);
    background->setPixmap(QPixmap::fromImage(artwork::SaveProgressBackground()));
    pb = Bar(this, "pb", {7, 28, 302, 29});
    CentreOnScreen(this);
}

Form2::Form2() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Flipping, please standby..."));
    setFixedSize(267, 43);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(style::kPageGrey));
    setPalette(pal);
    Label1 = new QLabel(QStringLiteral("Flipping, please standby..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(0, 0, 267, 15);
    Label1->setAutoFillBackground(true);
    QPalette lp = Label1->palette();
    lp.setColor(QPalette::Window, ToQColor(style::kNavy));
    lp.setColor(QPalette::WindowText, ToQColor(style::kWhite));
    Label1->setPalette(lp);
    ProgressBar = Bar(this, "ProgressBar", {7, 21, 253, 15});
    CentreOnScreen(this);
}
