#include "windows/splash_window.h"

#include <QFrame>

#include "artwork/windows_art.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "platform/window_placement.h"
#include "windows/contact.h"

frmSplash::frmSplash(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, QStringLiteral("frmSplash"), {kClientWidth, kClientHeight}, Frame::None),
      main_(mainWindow)
{

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::NoFrame);
    Frame1->setGeometry(0, 0, 619, 305);
    SetBackColor(Frame1, style::kPageGrey);

    lblCompany = new Label(Frame1, QStringLiteral("lblCompany"), QRect(7, 0, 224, 17),
                           contact::kMaker + QStringLiteral(" presents"));
    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(8.25);
    lblCompany->setFont(small);
    lblCompany->setForeColor(style::kPaleGrey);
    lblCompany->setAttribute(Qt::WA_TransparentForMouseEvents);

    Image1 = new PictureBuffer(Frame1, PictureKind::Image, QStringLiteral("Image1"), 0, 0, 619, 305, style::kPageGrey);
    Image1->setPicture(artwork::SplashPicture());
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->onClick = [this] { Image1_Click(); };
    // The picture is dark behind the label, which stays readable above it.
    lblCompany->raise();

    Timer1 = new Timer(this, QStringLiteral("Timer1"), kShowMs, true);
    Timer1->onTimer = [this] { Timer1_Timer(); };

    Form_Load();
}

frmSplash* frmSplash::Open(QPointer<frmSplash>& window, QWidget* mainWindow)
{
    // Its load step has made it the active window already; one that is open
    // only comes to the front.
    frmSplash* open = OpenOnce(window, [&] { return new frmSplash(mainWindow); }, Activation::Leave);
    open->Timer1->setIntervalMs(kShowMs);
    return open;
}

void frmSplash::Form_Load()
{
    SetTopMost(this);
    if (main_) {
        main_->show();
        main_->raise();
    }
}

void frmSplash::Timer1_Timer() { closeAndShowMain(); }

void frmSplash::Image1_Click() { closeAndShowMain(); }

void frmSplash::closeAndShowMain()
{
    Timer1->setEnabled(false);
    close();
    if (main_) {
        main_->show();
        main_->raise();
        main_->activateWindow();
    }
}
