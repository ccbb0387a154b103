// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's face: what the window asks of the desktop and the kernel, and
// the real pieces behind each request. Everything that speaks xcb, EWMH,
// fontconfig or Linux stays behind these headers.
//
//   ClockSource       a clock reading (clock_source.h)
//   TickTimer         a tick at an instant (tick_timer.h)
//   WindowDecoration  a frame height, and when it changes (window_decoration.h)
//   WindowStacking    a stacking request (window_stacking.h)

#include <memory>

#include "platform/clock_source.h"
#include "platform/tick_timer.h"
#include "platform/window_decoration.h"
#include "platform/window_stacking.h"

class QWidget;

namespace orbalune {

// The machine's wall clock.
std::unique_ptr<ClockSource> SystemClock();

// The kernel's wall-clock timer where there is one, else Qt's precise timer.
std::unique_ptr<TickTimer> SystemTickTimer();

// The window manager's _NET_WM_STATE_ABOVE, through the toolkit's window handle.
std::unique_ptr<WindowStacking> SystemStacking();

// The best source the platform offers for this window, which must not be mapped
// yet: the X11 window manager's own word where it publishes one, else what the
// toolkit measures.
std::unique_ptr<WindowDecoration> WatchDecoration(QWidget& window);

}  // namespace orbalune
