// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock reading: the wall-clock time the window shows. An interface, so that
// tests can set the clock where they need it instead of waiting for it.

#include "engine/tick_schedule.h"

namespace orbalune {

class ClockSource {
public:
    virtual ~ClockSource() = default;
    [[nodiscard]] virtual WallClock::time_point now() const = 0;
};

}  // namespace orbalune
