// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the toolkit measures around the window once it is framed: the decoration
// where the window manager states none of its own. Nothing tells when framing
// happens, so it looks again at growing intervals after each show.

#include <optional>

#include "platform/window_decoration.h"

class QWidget;

namespace orbalune {

// When to look at the frame again after looking `ms` after a show: twice as late,
// until it has settled for seconds; then nothing more.
std::optional<int> NextLookAfter(int ms);

class ToolkitDecoration final : public WindowDecoration {
    Q_OBJECT
public:
    explicit ToolkitDecoration(QWidget& window);
    [[nodiscard]] int heightPx() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch();
    QWidget& window_;
    int reported_ = 0;
};

}  // namespace orbalune
