// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tick_schedule.h"

#include <ctime>

namespace orbalune {

using namespace std::chrono;

WallClock::time_point NextSecondBoundary(WallClock::time_point now) { return floor<seconds>(now) + seconds{1}; }

local_seconds ToLocalSeconds(WallClock::time_point now)
{
    const sys_seconds whole = floor<seconds>(now);
    const std::time_t t = WallClock::to_time_t(WallClock::time_point{whole});
    std::tm parts{};
    if (localtime_r(&t, &parts) == nullptr) {
        return local_seconds{whole.time_since_epoch()};  // out of range: show UTC rather than nothing
    }
    return local_seconds{whole.time_since_epoch() + seconds{parts.tm_gmtoff}};
}

}  // namespace orbalune
