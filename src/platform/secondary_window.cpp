#include "platform/secondary_window.h"

#include "platform/window_placement.h"

SecondaryWindow::SecondaryWindow(QWidget* parent, const QString& name, QSize client, Frame frame)
    : QWidget(parent, Qt::Tool | (frame == Frame::Tool ? Qt::MSWindowsFixedSizeDialogHint : Qt::FramelessWindowHint))
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(client);
    CentreOnScreen(this);
}
