#include "platform/start_messages.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace orbalune {

namespace {

QtMessageHandler previousHandler = nullptr;
const char* failureLine = "";
QStringList heldBack;

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", failureLine);
        std::_Exit(EXIT_FAILURE);
    }
    heldBack << qFormatLogMessage(type, context, message);
}

}  // namespace

void GuardStart(const char* why)
{
    failureLine = why;
    previousHandler = qInstallMessageHandler(holdBack);
}

void ReleaseStartMessages()
{
    qInstallMessageHandler(previousHandler);
    for (const QString& message : std::exchange(heldBack, {})) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace orbalune
