// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stacking request: keeps a top-level window above all others, or releases it,
// without moving, resizing or re-creating it. Nobody looks at whether the window
// manager obliged.

class QWidget;

namespace orbalune {

class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    virtual void setTopmost(QWidget& window, bool topmost) = 0;
};

}  // namespace orbalune
