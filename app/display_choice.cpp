#include "display_choice.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace orbalune {

namespace {

std::string env(const char* name)
{
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): before any thread starts
    return value != nullptr ? value : "";
}

bool canOpenX(const std::string& display)
{
    if (display.empty()) {
        return false;
    }
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
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

}  // namespace

DisplayChoice ChooseDisplay()
{
    if (!env("QT_QPA_PLATFORM").empty()) {
        return {true, ""};  // the user asked for a platform: theirs to answer for
    }
    if (canOpenX(env("DISPLAY"))) {
        return {true, "xcb"};  // also under Wayland, through XWayland
    }
    if (waylandSocketExists(env("WAYLAND_DISPLAY"))) {
        if (waylandPluginInstalled()) {
            return {true, "wayland"};
        }
        return {false, "",
                "orbalune: this session offers only a Wayland display, and Qt's Wayland plugin is not installed; "
                "install it with: sudo apt-get install qt6-wayland"};
    }
    return {false, "",
            "orbalune: no display could be opened (DISPLAY and WAYLAND_DISPLAY name none that answers); "
            "start it from a desktop session, or run it on a virtual display with: xvfb-run orbalune"};
}

}  // namespace orbalune
