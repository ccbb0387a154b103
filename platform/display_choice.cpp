// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display_choice.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/start_messages.h"

namespace orbalune {

namespace {

std::string env(const char* name)
{
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): before any thread starts
    return value != nullptr ? value : "";
}

constexpr const char* kNoDisplay =
    "orbalune: no display could be opened (DISPLAY and WAYLAND_DISPLAY name none that answers); "
    "start it from a desktop session, or run it on a virtual display with: xvfb-run orbalune";

}  // namespace

DisplayChoice ChooseDisplay(const DisplaySituation& situation, std::string_view askedPlatform,
                            std::string_view askedDisplay)
{
    if (!askedPlatform.empty() || !situation.qtPlatform.empty()) {
        return {true, ""};  // the user asked for a platform: theirs to answer for
    }
    const bool wayland = situation.waylandSocket && situation.waylandPlugin;
    if (!askedDisplay.empty() || !situation.x11Display.empty()) {
        return {true, wayland ? "xcb;wayland" : "xcb", kNoDisplay};  // X first, also through XWayland
    }
    if (wayland) {
        return {true, "wayland", kNoDisplay};
    }
    if (situation.waylandSocket) {
        return {false, "",
                "orbalune: this session offers only a Wayland display, and Qt's Wayland plugin is not installed; "
                "install it with: sudo apt-get install qt6-wayland"};
    }
    return {false, "", kNoDisplay};
}

std::string WaylandSocketPath(std::string_view waylandDisplay, std::string_view runtimeDir)
{
    if (waylandDisplay.empty()) {
        return {};
    }
    const std::filesystem::path socket(waylandDisplay);
    if (socket.is_absolute()) {
        return socket.string();
    }
    return runtimeDir.empty() ? std::string() : (std::filesystem::path(runtimeDir) / socket).string();
}

bool IsWaylandPlatformPlugin(std::string_view fileName)
{
    return fileName.starts_with("libqwayland-") && fileName.ends_with(".so");
}

DisplaySituation ReadDisplaySituation()
{
    DisplaySituation out{.qtPlatform = env("QT_QPA_PLATFORM"), .x11Display = env("DISPLAY")};
    const std::string socket = WaylandSocketPath(env("WAYLAND_DISPLAY"), env("XDG_RUNTIME_DIR"));
    std::error_code error;
    out.waylandSocket = !socket.empty() && std::filesystem::is_socket(socket, error);
    if (!out.waylandSocket) {
        return out;  // the plugin matters only where Wayland answers: spare start-up the folder scan
    }
    // Where Qt itself looks for platform plugins, QT_PLUGIN_PATH included.
    for (const QString& folder : QCoreApplication::libraryPaths()) {
        const QStringList files = QDir(folder + QStringLiteral("/platforms")).entryList(QDir::Files);
        out.waylandPlugin = out.waylandPlugin || std::any_of(files.begin(), files.end(), [](const QString& file) {
                                return IsWaylandPlatformPlugin(file.toStdString());
                            });
    }
    return out;
}

void UseDisplay(const DisplayChoice& display)
{
    if (display.platform.empty()) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(display.platform));
    GuardStart(display.why);
    if (!display.platform.starts_with("xcb")) {
        return;
    }
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
        // Every size is laid out in twips and every font in points, so the window
        // scales with the display's DPI by itself. Left to Qt, a 200 % X desktop
        // becomes 96 DPI at twice the pixels, and Qt 6.4 then tells screen readers
        // where each control is in those units: at half its real place and size.
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        // The window changes a few dozen pixels a second. Handed to the X server in
        // shared memory, each repaint would first wait until the server has read the
        // last one: a round trip that wakes Qt's X event thread as well as ours every
        // second. Sent over the socket, a few KB a second, they need no answer at all;
        // the price is a copy of the window's pixels in our own heap.
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

}  // namespace orbalune
