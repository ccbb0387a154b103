// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/start_messages.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace orbalune {

namespace {

// Qt calls the handler from whichever thread logs (its X event reader, D-Bus),
// while the main thread may be releasing what was held: one lock over the list
// and over the switch from holding to printing.
std::mutex heldBackLock;
QStringList heldBack;
bool holding = false;
QtMessageHandler previousHandler = nullptr;
const char* failureLine = "";

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", failureLine);
        std::_Exit(EXIT_FAILURE);
    }
    const std::lock_guard lock(heldBackLock);
    if (holding) {
        heldBack << qFormatLogMessage(type, context, message);
    } else {  // released while this thread was on its way here: print it as Qt would
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

}  // namespace

void GuardStart(const char* why)
{
    const std::lock_guard lock(heldBackLock);
    failureLine = why;
    holding = true;
    previousHandler = qInstallMessageHandler(holdBack);
}

void ReleaseStartMessages()
{
    const std::lock_guard lock(heldBackLock);
    holding = false;
    qInstallMessageHandler(previousHandler);
    for (const QString& message : std::exchange(heldBack, {})) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace orbalune
