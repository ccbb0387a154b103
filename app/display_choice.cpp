#include "display_choice.h"

#include <xcb/xcb.h>

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
        return {true, "wayland"};
    }
    return {false, ""};
}

const char* NoDisplayMessage()
{
    return "orbalune: no display could be opened (DISPLAY and WAYLAND_DISPLAY name none that answers); "
           "start it from a desktop session, or run it on a virtual display with: xvfb-run orbalune";
}

}  // namespace orbalune
