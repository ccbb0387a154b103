// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xcb_support.h"

#include <QGuiApplication>

namespace orbalune {

xcb_connection_t* X11Connection()
{
    const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace orbalune
