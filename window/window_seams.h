// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window needs from outside, handed to it whole: the real pieces in the
// program, stand-ins in the tests, which drive the real window with a fake clock,
// a scripted colour dialog and a recorded stacking request.

#include <memory>

#include "platform/platform.h"
#include "window/colour_picker.h"

namespace orbalune {

struct WindowSeams {
    std::unique_ptr<ClockSource> clock;
    std::unique_ptr<TickTimer> timer;
    std::unique_ptr<ColourPicker> colours;
    std::unique_ptr<WindowStacking> stacking;
};

}  // namespace orbalune
