#include "platform/precise_tick_timer.h"

#include <algorithm>

namespace orbalune {

PreciseTickTimer::PreciseTickTimer(QObject* parent) : TickTimer(parent)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickTimer::fired);
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
