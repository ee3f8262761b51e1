#include <QApplication>

#include "main_window/form1.h"
#include "platform/dialogs.h"
#include "platform/key_conventions.h"
#include "platform/program_end.h"
#include "platform/style.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("glimmerdeck"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallKeyConventions();
    style::Install();
    QtDialogs dialogs;
    Form1 form(dialogs);
    dialogs.setParent(&form);
    form.CloseOnEndSignals();
    form.Form_Load();
    // An end signal during start-up (the Filters message) has already ended
    // the program: the main loop then does not start.
    return RunMainLoop();
}
