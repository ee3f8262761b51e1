#include "texture_set/progress_windows.h"

#include <QLabel>
#include <QPalette>
#include <QProgressBar>

#include "artwork/artwork.h"
#include "platform/controls.h"
#include "platform/style.h"

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

Form6::Form6() : SecondaryWindow(nullptr, QStringLiteral("Form6"), {318, 67}, Frame::None)
{
    setWindowTitle(QStringLiteral("Saving: Standby..."));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* background = new QLabel(this);
    background->setGeometry(0, 0, 318, 67);
    background->setPixmap(QPixmap::fromImage(artwork::SaveProgressBackground()));
    pb = Bar(this, "pb", {7, 28, 302, 29});
}

Form2::Form2() : SecondaryWindow(nullptr, QStringLiteral("Form2"), {267, 43}, Frame::None)
{
    setWindowTitle(QStringLiteral("Flipping, please standby..."));
    setAttribute(Qt::WA_DeleteOnClose, false);
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
}
