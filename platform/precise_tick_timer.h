// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Qt single-shot precise timer aimed at a wall-clock instant. Qt timers run on
// the monotonic clock, so the delay is taken from the wall clock at arming time;
// re-arming on every tick keeps the phase locked to the real second.

#include <QTimer>

#include "platform/tick_timer.h"

namespace orbalune {

class PreciseTickTimer final : public TickTimer {
    Q_OBJECT
public:
    explicit PreciseTickTimer(QObject* parent = nullptr);
    // Says on stderr, in one line, that the kernel's timer failed in `call` with
    // errno `error` and that the tick now runs on this one, a little less precisely.
    static void announceFallback(const char* call, int error);

    void armAt(WallClock::time_point when) override;
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

}  // namespace orbalune
