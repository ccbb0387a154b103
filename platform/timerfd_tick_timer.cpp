// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/timerfd_tick_timer.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

#include "platform/precise_tick_timer.h"

namespace orbalune {

namespace {

timespec toTimespec(WallClock::time_point when)
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<nanoseconds>(when.time_since_epoch());
    const auto whole = floor<seconds>(sinceEpoch);
    return {static_cast<time_t>(whole.count()), static_cast<long>((sinceEpoch - whole).count())};
}

}  // namespace

std::unique_ptr<TimerFdTickTimer> TimerFdTickTimer::create()
{
    const int fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    return std::unique_ptr<TimerFdTickTimer>(new TimerFdTickTimer(fd));
}

TimerFdTickTimer::TimerFdTickTimer(int fd) : fd_(fd), notifier_(new QSocketNotifier(fd, QSocketNotifier::Read, this))
{
    connect(notifier_, &QSocketNotifier::activated, this, &TimerFdTickTimer::onReadable);
}

TimerFdTickTimer::~TimerFdTickTimer()
{
    notifier_->setEnabled(false);
    ::close(fd_);
}

void TimerFdTickTimer::armAt(WallClock::time_point when)
{
    if (fallback_ == nullptr) {
        itimerspec arming{};
        arming.it_value = toTimespec(when);
        if (arming.it_value.tv_sec == 0 && arming.it_value.tv_nsec == 0) {
            arming.it_value.tv_nsec = 1;  // zero would disarm; the epoch is long past, so this fires at once
        }
        if (timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &arming, nullptr) == 0) {
            return;
        }
        // An unarmed timer never fires: the clock would stop for good on its last second.
        PreciseTickTimer::announceFallback("timerfd_settime", errno);
        notifier_->setEnabled(false);
        fallback_ = new PreciseTickTimer(this);
        connect(fallback_, &TickTimer::fired, this, &TickTimer::fired);
    }
    fallback_->armAt(when);
}

void TimerFdTickTimer::stop()
{
    if (fallback_ != nullptr) {
        fallback_->stop();
        return;
    }
    const itimerspec disarmed{};
    timerfd_settime(fd_, 0, &disarmed, nullptr);
}

bool TickIsDue(long got, int error) { return got >= 0 || error != EAGAIN; }

void TimerFdTickTimer::onReadable()
{
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(fd_, &expirations, sizeof expirations);
    if (TickIsDue(got, errno)) {  // the tick shows the time now and re-arms for the next second
        emit fired();
    }
}

}  // namespace orbalune
