// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Linux: the tick is an absolute CLOCK_REALTIME timer, so it wakes exactly at the
// wall-clock second, and TFD_TIMER_CANCEL_ON_SET wakes it at once when the clock
// is set (NTP step, manual change, resume): the display is right within one tick.
// Where the kernel refuses to arm it (a sandbox, a seccomp filter), the tick goes
// on with Qt's precise timer, and says so once.

#include <memory>

#include "platform/tick_timer.h"

class QSocketNotifier;

namespace orbalune {

// Whether a read of the timer's descriptor (its result and errno) means a tick is
// due: the second arrived, or (ECANCELED) the wall clock was set and the time shown
// must follow it at once. Only "nothing yet" (EAGAIN) is no tick.
bool TickIsDue(long got, int error);

class TimerFdTickTimer final : public TickTimer {
    Q_OBJECT
public:
    // Nothing where the kernel gives no timerfd, with errno saying why; the
    // caller falls back.
    static std::unique_ptr<TimerFdTickTimer> create();
    ~TimerFdTickTimer() override;

    void armAt(WallClock::time_point when) override;
    void stop() override;

private:
    explicit TimerFdTickTimer(int fd);
    void onReadable();

    int fd_;
    QSocketNotifier* notifier_;
    TickTimer* fallback_ = nullptr;  // once the kernel has refused to arm the timer
};

}  // namespace orbalune
