#pragma once
// The real colour dialog and the real always-on-top request.

#include "seams.h"

namespace orbalune {

class QtColourPicker final : public ColourPicker {
public:
    std::optional<QColor> pick(const QColor& preset, QWidget* parent) override;
};

// On X11 the request becomes _NET_WM_STATE_ABOVE. Setting the flag on the
// window handle, not the widget, keeps the same native window: the widget's
// setWindowFlag() + show() would destroy and re-map it (flicker, drift).
class WindowHandleStacking final : public WindowStacking {
public:
    void setTopmost(QWidget& window, bool topmost) override;
    [[nodiscard]] bool isTopmost(const QWidget& window) const override;
};

}  // namespace orbalune
