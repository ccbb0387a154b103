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
    void armAt(WallClock::time_point when) override;
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

}  // namespace orbalune
