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

bool waylandSocketExists(const std::string& display)
{
    if (display.empty()) {
        return false;
    }
    std::filesystem::path socket(display);
    if (socket.is_relative()) {
        const std::string runtime = env("XDG_RUNTIME_DIR");
        if (runtime.empty()) {
            return false;
        }
        socket = std::filesystem::path(runtime) / socket;
    }
    std::error_code error;
    return std::filesystem::is_socket(socket, error);
}

// Where Qt itself looks for platform plugins (QT_PLUGIN_PATH included).
bool waylandPluginInstalled()
{
    const QStringList directories = QCoreApplication::libraryPaths();
    return std::any_of(directories.begin(), directories.end(), [](const QString& directory) {
        return !QDir(directory + QStringLiteral("/platforms"))
                    .entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files)
                    .isEmpty();
    });
}

constexpr const char* kNoDisplay =
    "orbalune: no display could be opened (DISPLAY and WAYLAND_DISPLAY name none that answers); "
    "start it from a desktop session, or run it on a virtual display with: xvfb-run orbalune";

}  // namespace

DisplayChoice ChooseDisplay()
{
    if (!env("QT_QPA_PLATFORM").empty()) {
        return {true, ""};  // the user asked for a platform: theirs to answer for
    }
    const bool wayland = waylandSocketExists(env("WAYLAND_DISPLAY")) && waylandPluginInstalled();
    if (!env("DISPLAY").empty()) {
        return {true, wayland ? "xcb;wayland" : "xcb", kNoDisplay};  // X first, also through XWayland
    }
    if (wayland) {
        return {true, "wayland", kNoDisplay};
    }
    if (waylandSocketExists(env("WAYLAND_DISPLAY"))) {
        return {false, "",
                "orbalune: this session offers only a Wayland display, and Qt's Wayland plugin is not installed; "
                "install it with: sudo apt-get install qt6-wayland"};
    }
    return {false, "", kNoDisplay};
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
}

}  // namespace orbalune
