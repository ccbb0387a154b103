// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ewmh_frame_extents.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <string_view>
#include <thread>

#include "platform/window_manager_hints.h"
#include "platform/xcb_support.h"

namespace orbalune {

namespace {

// The atoms named, asked for all at once: one round trip to the server, not one each.
template <std::size_t N>
std::array<xcb_atom_t, N> atoms(xcb_connection_t* connection, const std::array<std::string_view, N>& names)
{
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (std::size_t i = 0; i < N; ++i) {
        cookies.at(i) =
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(names.at(i).size()), names.at(i).data());
    }
    std::array<xcb_atom_t, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto reply = OwnedReply(xcb_intern_atom_reply(connection, cookies.at(i), nullptr));
        out.at(i) = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return out;
}

}  // namespace

std::unique_ptr<EwmhFrameExtents> EwmhFrameExtents::create(QWidget& window)
{
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return nullptr;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto treeCookie = xcb_query_tree(connection, id);
    const auto [supportedAtom, extents, request] =
        atoms<3>(connection, {"_NET_SUPPORTED", "_NET_FRAME_EXTENTS", "_NET_REQUEST_FRAME_EXTENTS"});
    const auto tree = OwnedReply(xcb_query_tree_reply(connection, treeCookie, nullptr));
    if (!tree) {
        return nullptr;
    }
    const auto supported = OwnedReply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, tree->root, supportedAtom, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!supported || supported->format != 32) {
        return nullptr;
    }
    const auto* begin = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const auto* end = begin + xcb_get_property_value_length(supported.get()) / 4;
    if (std::find(begin, end, extents) == end) {
        return nullptr;
    }
    auto result = std::make_unique<EwmhFrameExtents>(connection, id, extents);
    // A window manager that does not offer the request (KWin) sets the extents
    // when it frames the window; the event that follows corrects the height then.
    if (std::find(begin, end, request) != end) {
        result->request(tree->root, request);
    }
    return result;
}

EwmhFrameExtents::EwmhFrameExtents(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents)
    : connection_(connection),
      window_(window),
      extents_(extents)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

EwmhFrameExtents::~EwmhFrameExtents()
{
    if (auto* app = QCoreApplication::instance()) {
        app->removeNativeEventFilter(this);
    }
}

void EwmhFrameExtents::request(xcb_window_t root, xcb_atom_t request)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window_;
    message.type = request;
    xcb_send_event(connection_, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));  // NOLINT(cppcoreguidelines-pro-type-reinterpret-cast)
    xcb_flush(connection_);
    // Window managers answer within a few milliseconds; one that does not is
    // followed when it does, at the cost of a resize after the first frame.
    answerDue_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
}

bool AwaitAnswer(const std::function<bool()>& answered, std::chrono::steady_clock::time_point due)
{
    using namespace std::chrono_literals;
    while (!answered()) {
        if (std::chrono::steady_clock::now() >= due) {
            return false;
        }
        std::this_thread::sleep_for(500us);
    }
    return true;
}

void EwmhFrameExtents::awaitAnswer()
{
    if (answerDue_) {
        AwaitAnswer([this] { return read(); }, *answerDue_);
    }
    answerDue_.reset();
}

bool EwmhFrameExtents::read()
{
    const auto reply = OwnedReply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window_, extents_, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    const auto height = reply ? FrameExtentsHeight(reply->format, PropertyBytes(*reply)) : std::nullopt;
    if (height) {
        height_ = *height;
    }
    return height.has_value();
}

bool EwmhFrameExtents::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/)
{
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
        const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
        if (notify->window == window_ && notify->atom == extents_) {
            const int before = height_;
            if (read() && height_ != before) {
                emit changed();
            }
        }
    }
    return false;  // the toolkit sees every event too
}

}  // namespace orbalune
