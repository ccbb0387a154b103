// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// On X11 the request becomes _NET_WM_STATE_ABOVE. Setting the flag on the
// window handle, not the widget, keeps the same native window: the widget's
// setWindowFlag() + show() would destroy and re-map it (flicker, drift).

#include "platform/window_stacking.h"

namespace orbalune {

class WindowHandleStacking final : public WindowStacking {
public:
    void setTopmost(QWidget& window, bool topmost) override;
};

}  // namespace orbalune
