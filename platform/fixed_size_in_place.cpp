// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fixed_size_in_place.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/xcb_support.h"

namespace orbalune {

namespace {

// WM_NORMAL_HINTS: eighteen 32-bit fields; the flags, then the limits in pixels.
constexpr std::size_t kSizeHintFields = 18;
constexpr std::uint32_t kHasMinAndMaxSize = (1U << 4U) | (1U << 5U);
constexpr std::size_t kMinHeight = 6;
constexpr std::size_t kMaxHeight = 8;

}  // namespace

FixedSizeInPlace::FixedSizeInPlace(QWidget& window) : QObject(&window), window_(window) {}

void FixedSizeInPlace::apply(const QSize& size)
{
    // Until the window is mapped no window manager has placed it, and Qt's own
    // resize (it applies the widget's size as it maps the window) must stand.
    const QWindow* native = window_.windowHandle();
    const bool mapped = native != nullptr && native->isVisible();
    if (!mapped || size.width() != window_.width() || size == window_.size() || !askWindowManager(size)) {
        settle(size);  // no request at all when the size is the window's already
        return;
    }
    // Watched only while the answer is due: the window's other events (a repaint
    // every second) pass no filter.
    pending_ = size;
    window_.installEventFilter(this);
}

void FixedSizeInPlace::settle(QSize size)
{
    pending_ = QSize();
    window_.removeEventFilter(this);
    window_.setFixedSize(size);
}

bool FixedSizeInPlace::askWindowManager(const QSize& size)
{
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return false;
    }
    const auto id = static_cast<xcb_window_t>(window_.winId());
    const auto reply = OwnedReply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, kSizeHintFields),
        nullptr));
    std::array<std::uint32_t, kSizeHintFields> hints{};
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != sizeof hints) {
        return false;
    }
    std::memcpy(hints.data(), xcb_get_property_value(reply.get()), sizeof hints);
    if ((hints.at(0) & kHasMinAndMaxSize) != kHasMinAndMaxSize) {
        return false;  // not fixed yet: nothing to keep
    }
    // The new height limits in one write, the width's left as Qt wrote them: a
    // window manager shown a range for a moment would decorate the window as
    // resizable (openbox adds a grip to the frame).
    const auto height = static_cast<std::uint32_t>(std::lround(size.height() * window_.devicePixelRatioF()));
    hints.at(kMinHeight) = hints.at(kMaxHeight) = height;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32,
                        kSizeHintFields, hints.data());
    xcb_configure_window(connection, id, XCB_CONFIG_WINDOW_HEIGHT, &height);
    xcb_flush(connection);
    return true;
}

bool FixedSizeInPlace::eventFilter(QObject* watched, QEvent* event)
{
    // The window manager has given the size asked for: the toolkit's limits follow,
    // which asks nothing more of the window manager.
    if (watched == &window_ && event->type() == QEvent::Resize && window_.size() == pending_) {
        settle(pending_);
    }
    return false;
}

}  // namespace orbalune
