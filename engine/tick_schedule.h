// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the next tick is due, and how a wall-clock reading becomes local time.
// Every tick is aimed just past the next whole wall-clock second, so the home
// row's seconds change with the real second instead of up to a second late.

#include <chrono>

namespace orbalune {

using WallClock = std::chrono::system_clock;

// The first whole second strictly after `now`.
WallClock::time_point NextSecondBoundary(WallClock::time_point now);

// The machine's local date-time, in whole seconds, for a wall-clock reading
// (the C library's idea of the local zone, which the user keeps on Japan time).
std::chrono::local_seconds ToLocalSeconds(WallClock::time_point now);

}  // namespace orbalune
