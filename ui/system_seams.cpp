#include "system_seams.h"

#include <QColorDialog>
#include <QWidget>
#include <QWindow>

#include "precise_tick_timer.h"
#include "timerfd_tick_timer.h"

namespace orbalune {

std::optional<QColor> QtColourPicker::pick(const QColor& preset, QWidget* parent)
{
    // getColor() is modal; its nested event loop keeps the clock ticking.
    const QColor chosen = QColorDialog::getColor(preset, parent);
    if (!chosen.isValid()) {
        return std::nullopt;  // cancelled
    }
    return chosen;
}

void WindowHandleStacking::setTopmost(QWidget& window, bool topmost)
{
    window.winId();  // make sure the native window exists; does nothing once it does
    if (QWindow* handle = window.windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    }
}

bool WindowHandleStacking::isTopmost(const QWidget& window) const
{
    const QWindow* handle = window.windowHandle();
    return handle != nullptr && handle->flags().testFlag(Qt::WindowStaysOnTopHint);
}

WindowSeams WindowSeams::system()
{
    std::unique_ptr<TickTimer> timer = TimerFdTickTimer::create();
    if (!timer) {
        timer = std::make_unique<PreciseTickTimer>();
    }
    return {std::make_unique<SystemClockSource>(), std::move(timer), std::make_unique<QtColourPicker>(),
            std::make_unique<WindowHandleStacking>()};
}

}  // namespace orbalune
