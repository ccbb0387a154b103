// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/session_bus_warm_up.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace orbalune {

std::jthread StartSessionBusWarmUp()
{
    // Only the desktop platforms bridge to screen readers (not the test platform).
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland"))) {
        return {};
    }
    // The connection is shared: the bridge's own sessionBus() call gets this one,
    // or waits for it if it is still being made.
    return std::jthread([] { QDBusConnection::sessionBus(); });
}

}  // namespace orbalune
