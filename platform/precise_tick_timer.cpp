// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/precise_tick_timer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orbalune {

PreciseTickTimer::PreciseTickTimer(QObject* parent) : TickTimer(parent)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickTimer::fired);
}

void PreciseTickTimer::announceFallback(const char* call, int error)
{
    // Qt's timers wake on the monotonic clock at a whole millisecond, and the
    // event loop may hold them a little: the clock goes on, but the user should
    // know why its seconds may turn a few milliseconds late.
    std::fprintf(stderr,
                 "orbalune: the kernel's wall-clock timer failed (%s: %s); ticking on Qt's timer instead, "
                 "so each second may show a few milliseconds late\n",
                 call, std::strerror(error));  // NOLINT(concurrency-mt-unsafe): the one thread that ticks
}

void PreciseTickTimer::armAt(WallClock::time_point when)
{
    using namespace std::chrono;
    // Round up: waking a little late shows the new second; waking early would
    // show the old one again.
    const auto delay = ceil<milliseconds>(when - WallClock::now());
    timer_.start(std::clamp(delay, milliseconds{0}, milliseconds{1000}));
}

}  // namespace orbalune
