// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picks the display before Qt starts. X11 comes first, also through XWayland,
// since only there may a program place its window and keep it on top; Wayland
// alone where Qt's Wayland plugin is installed. Nothing connects here: Qt tries
// the platforms in turn, and where none answers, its fatal message (which would
// abort with a core dump) becomes one plain line and status 1.

#include <string>
#include <string_view>
#include <vector>

namespace orbalune {

// What the choice looks at in the environment, read by ReadDisplaySituation.
struct DisplaySituation {
    std::string qtPlatform;      // QT_QPA_PLATFORM
    std::string x11Display;      // DISPLAY
    bool waylandSocket = false;  // WAYLAND_DISPLAY names a socket that is there
    bool waylandPlugin = false;  // one of Qt's plugin folders holds its Wayland platform (asked only with a socket)
};

struct DisplayChoice {
    bool available = false;
    std::string platform;  // for QT_QPA_PLATFORM, platforms to try in order; empty: Qt's own choice
    const char* why = "";  // the one line to print when there is no display
};

// The platform and the X display the user asked for (-platform, -display; empty
// where not asked) count as choices too, before the environment's.
DisplayChoice ChooseDisplay(const DisplaySituation& situation, std::string_view askedPlatform,
                            std::string_view askedDisplay);

// The socket WAYLAND_DISPLAY names: itself when absolute, else in XDG_RUNTIME_DIR;
// empty when it names none.
std::string WaylandSocketPath(std::string_view waylandDisplay, std::string_view runtimeDir);

// Whether a file of Qt's "platforms" plugin folder is its Wayland platform.
bool IsWaylandPlatformPlugin(std::string_view fileName);

// Reads DISPLAY, WAYLAND_DISPLAY, XDG_RUNTIME_DIR, QT_QPA_PLATFORM, and the plugin
// folders where Qt looks (QT_PLUGIN_PATH too).
DisplaySituation ReadDisplaySituation();

// Tells Qt which platforms to try, tunes it for X11 where that comes first, and
// holds back what Qt says while it connects (see start_messages.h).
void UseDisplay(const DisplayChoice& display);

}  // namespace orbalune
