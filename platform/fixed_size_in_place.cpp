// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fixed_size_in_place.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <cstdint>

#include "platform/window_manager_hints.h"
#include "platform/xcb_support.h"

namespace orbalune {

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
        xcb_get_property(connection, 0, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, SizeHints{}.size()),
        nullptr));
    // The new height limits in one write, the width's left as Qt wrote them: a
    // window manager shown a range for a moment would decorate the window as
    // resizable (openbox adds a grip to the frame).
    const auto height = static_cast<std::uint32_t>(std::lround(size.height() * window_.devicePixelRatioF()));
    const auto hints = reply ? FixedHeightHints(reply->format, PropertyBytes(*reply), height) : std::nullopt;
    if (!hints) {
        return false;  // no size hints, or not fixed yet: nothing to keep
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32,
                        hints->size(), hints->data());
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
