#include "platform/message_filter.h"

#include <cstdio>

#include <QString>
#include <QtGlobal>

namespace {
QtMessageHandler previousHandler = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support raise")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

void InstallOffscreenMessageFilter() { previousHandler = qInstallMessageHandler(Filter); }
