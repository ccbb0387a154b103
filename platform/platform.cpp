// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/platform.h"

#include <QGuiApplication>
#include <cerrno>

#include "platform/ewmh_frame_extents.h"
#include "platform/precise_tick_timer.h"
#include "platform/timerfd_tick_timer.h"
#include "platform/toolkit_decoration.h"
#include "platform/window_handle_stacking.h"

namespace orbalune {

namespace {

class SystemClockSource final : public ClockSource {
public:
    [[nodiscard]] WallClock::time_point now() const override { return WallClock::now(); }
};

}  // namespace

std::unique_ptr<ClockSource> SystemClock() { return std::make_unique<SystemClockSource>(); }

std::unique_ptr<TickTimer> SystemTickTimer()
{
    if (auto timer = TimerFdTickTimer::create()) {
        return timer;
    }
    PreciseTickTimer::announceFallback("timerfd_create", errno);
    return std::make_unique<PreciseTickTimer>();
}

std::unique_ptr<WindowStacking> SystemStacking() { return std::make_unique<WindowHandleStacking>(); }

std::unique_ptr<WindowDecoration> WatchDecoration(QWidget& window)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto extents = EwmhFrameExtents::create(window)) {
            return extents;
        }
    }
    return std::make_unique<ToolkitDecoration>(window);
}

}  // namespace orbalune
