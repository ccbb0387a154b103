// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window shows that the user may change, as plain values with no
// widget in them. The handlers change these, then draw what changed; the
// controls are drawn from them and never read back.

#include <cstdint>

#include "engine/clock_tick.h"
#include "engine/row.h"
#include "window/colours.h"

namespace orbalune {

// -1 for true, 0 for false; changed only by bitwise complement.
using Switch = std::int16_t;
inline constexpr Switch kOn = -1;
inline constexpr Switch kOff = 0;
constexpr Switch Complement(Switch value) { return static_cast<Switch>(~value); }

// The window's own variables.
struct WindowState {
    Colour MojiColr = 0;     // text colour last confirmed
    Colour BakColr = 0;      // background colour last confirmed
    Switch SwithMae = kOff;  // -1: kept above other windows
    Switch SwithFm = kOn;    // -1: short height, 0: tall
};

// What each Row shows of the user's choices.
struct RowsShown {
    // The caption of each Row's city label: the name the tick looks the Row up
    // by. Views of the layout's lists, which live as long as the program.
    RowNames city{};
    PerRow<bool> choosing{};  // its chooser stands in its city label's place
};

}  // namespace orbalune
