// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/toolkit_decoration.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "platform/window_manager_hints.h"

namespace orbalune {

std::optional<int> NextLookAfter(int ms) { return ms < 2500 ? std::optional(ms * 2) : std::nullopt; }

ToolkitDecoration::ToolkitDecoration(QWidget& window) : window_(window)
{
    window_.installEventFilter(this);
    watch();
}

int ToolkitDecoration::heightPx() const
{
    return DecorationFromMargins(window_.frameGeometry().height(), window_.geometry().height(),
                                 window_.devicePixelRatioF());
}

bool ToolkitDecoration::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Show) {
        watch();
    }
    return false;
}

void ToolkitDecoration::watch()
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(20);
    connect(timer, &QTimer::timeout, this, [this, timer] {
        if (const int now = heightPx(); now != reported_) {
            reported_ = now;
            emit changed();
        }
        if (const auto next = NextLookAfter(timer->interval())) {
            timer->start(*next);
        } else {
            timer->deleteLater();
        }
    });
    timer->start();
}

}  // namespace orbalune
