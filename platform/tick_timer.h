// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tick at an instant: a one-shot timer aimed at a wall-clock time, which the
// window re-arms on every tick. Emits fired() once per arming.

#include <QObject>

#include "engine/tick_schedule.h"

namespace orbalune {

class TickTimer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void armAt(WallClock::time_point when) = 0;
    virtual void stop() = 0;
signals:
    void fired();
};

}  // namespace orbalune
