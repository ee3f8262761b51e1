#include <QApplication>

#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/key_conventions.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("glimmerdeck"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallKeyConventions();
    QtDialogs dialogs;
    Form1 form(dialogs);
    dialogs.setParent(&form);
    form.CloseOnEndSignals();
    form.Form_Load();
    return app.exec();
}
