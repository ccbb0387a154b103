// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decoration as the X11 window manager itself states it in the window's
// _NET_FRAME_EXTENTS. The toolkit's own measure of the frame lags behind it (some
// window managers frame the window long after it is mapped, or in a way the
// toolkit does not see), while the property is there before the first map when
// asked for, and every change of it arrives as an event on the window.

#include <QAbstractNativeEventFilter>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

#include "platform/window_decoration.h"

class QWidget;

namespace orbalune {

// Asks `answered` every half millisecond until it says yes (true) or `due` has come (false).
bool AwaitAnswer(const std::function<bool()>& answered, std::chrono::steady_clock::time_point due);

class EwmhFrameExtents final : public WindowDecoration, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Nothing when the window manager publishes no frame extents.
    static std::unique_ptr<EwmhFrameExtents> create(QWidget& window);
    EwmhFrameExtents(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents);
    ~EwmhFrameExtents() override;
    EwmhFrameExtents(const EwmhFrameExtents&) = delete;
    EwmhFrameExtents& operator=(const EwmhFrameExtents&) = delete;
    EwmhFrameExtents(EwmhFrameExtents&&) = delete;
    EwmhFrameExtents& operator=(EwmhFrameExtents&&) = delete;

    [[nodiscard]] int heightPx() const override { return height_; }
    void awaitAnswer() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // Asks the window manager for the frame it will give the window, so that the
    // first map already has the right size.
    void request(xcb_window_t root, xcb_atom_t request);
    bool read();

    std::optional<std::chrono::steady_clock::time_point> answerDue_;

    xcb_connection_t* connection_;
    xcb_window_t window_;
    xcb_atom_t extents_;
    int height_ = 0;
};

}  // namespace orbalune
