#pragma once
// Picks the display connection before Qt starts: Qt aborts with a core dump
// when it cannot open one, and on a Wayland session it would pick Wayland, where
// a program may neither place its window nor keep it on top.

#include <string>

namespace orbalune {

struct DisplayChoice {
    bool available = false;
    std::string platform;  // for QT_QPA_PLATFORM; empty: leave Qt's choice alone
};

// Reads DISPLAY, WAYLAND_DISPLAY, XDG_RUNTIME_DIR and QT_QPA_PLATFORM.
DisplayChoice ChooseDisplay();

// The one line printed when there is nothing to show the window on.
const char* NoDisplayMessage();

}  // namespace orbalune
