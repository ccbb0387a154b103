// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_handle_stacking.h"

#include <QWidget>
#include <QWindow>

namespace orbalune {

void WindowHandleStacking::setTopmost(QWidget& window, bool topmost)
{
    window.winId();  // make sure the native window exists; does nothing once it does
    if (QWindow* handle = window.windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    }
}

}  // namespace orbalune
