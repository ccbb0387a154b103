// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What Qt says while it connects to the display is held back: where no display
// answers, Qt's fatal message (which would abort with a core dump) becomes one
// plain line and status 1, and the warnings of the platforms it tried first
// (say xcb, before it falls back to Wayland) are not shown for nothing.

namespace orbalune {

// Holds back what Qt says until ReleaseStartMessages; a fatal message in between
// prints `why` alone and ends the program with status 1.
void GuardStart(const char* why);
// Prints what was held back, in order, and lets Qt speak for itself again.
void ReleaseStartMessages();

}  // namespace orbalune
