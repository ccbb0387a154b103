#pragma once
// Picks the display connection before Qt starts: Qt aborts with a core dump
// when it cannot open one. X11 comes first, also through XWayland, since only
// there may a program place its window and keep it on top; Wayland alone only
// where Qt's Wayland plugin is installed.

#include <string>

namespace orbalune {

struct DisplayChoice {
    bool available = false;
    std::string platform;     // for QT_QPA_PLATFORM; empty: leave Qt's choice alone
    const char* why = "";     // when not available: the one line to print
};

// Reads DISPLAY, WAYLAND_DISPLAY, XDG_RUNTIME_DIR and QT_QPA_PLATFORM.
DisplayChoice ChooseDisplay();

}  // namespace orbalune
