#include <QApplication>

#include "main_window/form1.h"
#include "platform/dialogs.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("glimmerdeck"));
    QApplication::setQuitOnLastWindowClosed(false);
    QtDialogs dialogs;
    Form1 form(dialogs);
    dialogs.setParent(&form);
    form.CloseOnEndSignals();
    form.Form_Load();
    return app.exec();
}
