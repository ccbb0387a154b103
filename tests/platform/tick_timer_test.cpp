// SPDX-License-Identifier: GPL-3.0-or-later
// The real tick timers against the real clock: a late instant at once, stop means
// stop, the last arming wins, never early; and the timerfd asks the kernel to wake
// it when the wall clock is set.

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include "platform/precise_tick_timer.h"
#include "platform/timerfd_tick_timer.h"

using namespace std::chrono;
using orbalune::WallClock;

class TickTimerTest : public QObject {
    Q_OBJECT
private slots:
    void firesOncePerArmingAtItsInstant_data()
    {
        QTest::addColumn<bool>("timerfd");
        QTest::newRow("the kernel's timerfd") << true;
        QTest::newRow("Qt's precise timer") << false;
    }

    void firesOncePerArmingAtItsInstant()
    {
        QFETCH(bool, timerfd);
        const std::unique_ptr<orbalune::TickTimer> timer =
            timerfd ? std::unique_ptr<orbalune::TickTimer>(orbalune::TimerFdTickTimer::create())
                    : std::make_unique<orbalune::PreciseTickTimer>();
        std::vector<WallClock::time_point> fired;
        connect(timer.get(), &orbalune::TickTimer::fired, this, [&] { fired.push_back(WallClock::now()); });
        timer->armAt(WallClock::now() - 5s);
        QTRY_COMPARE_WITH_TIMEOUT(fired.size(), std::size_t{1}, 200);  // an instant past fires at once
        timer->armAt(WallClock::now() + 50ms);
        timer->stop();
        QTest::qWait(150);
        QCOMPARE(fired.size(), std::size_t{1});           // stopped means stopped
        const auto target = WallClock::now() + 150900us;  // not a whole millisecond away
        timer->armAt(WallClock::now() + 40ms);
        timer->armAt(target);
        QVERIFY(QSignalSpy(timer.get(), &orbalune::TickTimer::fired).wait(1000));  // a loop that wakes on time
        QCOMPARE(fired.size(), std::size_t{2});                                    // the last arming alone
        QVERIFY2(fired[1] >= target, qPrintable(QString("%1 us early").arg((target - fired[1]) / 1us)));
        QVERIFY2(fired[1] - target < 50ms, qPrintable(QString("%1 us late").arg((fired[1] - target) / 1us)));
    }

    void wakesWhenTheWallClockIsSet()
    {
        // The kernel shows how a timerfd was armed: 03 is an absolute wall-clock
        // instant that also wakes the moment the clock is set (a step, a resume).
        const auto timer = orbalune::TimerFdTickTimer::create();
        timer->armAt(WallClock::now() + 1h);
        QStringList flags;
        for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System)) {
            QFile info(QStringLiteral("/proc/self/fdinfo/") + fd.fileName());
            if (fd.symLinkTarget().contains(QStringLiteral("timerfd")) && info.open(QIODevice::ReadOnly)) {
                flags << QString::fromLatin1(info.readAll())
                             .section(QStringLiteral("settime flags:"), 1)
                             .section(u'\n', 0, 0)
                             .trimmed();
            }
        }
        QCOMPARE(flags, QStringList{QStringLiteral("03")});
    }
};

QTEST_MAIN(TickTimerTest)
#include "tick_timer_test.moc"
