#pragma once
// Picks the display before Qt starts. X11 comes first, also through XWayland,
// since only there may a program place its window and keep it on top; Wayland
// alone where Qt's Wayland plugin is installed. Nothing connects here: Qt tries
// the platforms in turn, and where none answers, its fatal message (which would
// abort with a core dump) becomes one plain line and status 1.

#include <string>

namespace orbalune {

struct DisplayChoice {
    bool available = false;
    std::string platform;  // for QT_QPA_PLATFORM, platforms to try in order; empty: Qt's own choice
    const char* why = "";  // the one line to print when there is no display
};

// Reads DISPLAY, WAYLAND_DISPLAY, XDG_RUNTIME_DIR and QT_QPA_PLATFORM.
DisplayChoice ChooseDisplay();

// Tells Qt which platforms to try, tunes it for X11 where that comes first, and
// holds back what Qt says while it connects (see start_messages.h).
void UseDisplay(const DisplayChoice& display);

}  // namespace orbalune
