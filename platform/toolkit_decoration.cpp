// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/toolkit_decoration.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace orbalune {

ToolkitDecoration::ToolkitDecoration(QWidget& window) : window_(window)
{
    window_.installEventFilter(this);
    watch();
}

int ToolkitDecoration::heightPx() const
{
    const int margins = window_.frameGeometry().height() - window_.geometry().height();
    // Some window managers frame the window in a larger window that also holds
    // a shadow; what the toolkit measures then is no decoration at all.
    if (margins <= 0 || margins > window_.geometry().height()) {
        return 0;
    }
    return static_cast<int>(std::lround(margins * window_.devicePixelRatioF()));
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
        if (timer->interval() < 2500) {
            timer->start(timer->interval() * 2);
        } else {
            timer->deleteLater();
        }
    });
    timer->start();
}

}  // namespace orbalune
