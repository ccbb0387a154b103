// The real tick timers against the real clock, and the window's re-aiming when
// the wall clock jumps (driven by an injected clock: the machine's is never set).

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "frm1.h"
#include "precise_tick_timer.h"
#include "timerfd_tick_timer.h"

using namespace std::chrono;
using namespace std::chrono_literals;
using orbalune::WallClock;

namespace {

std::unique_ptr<orbalune::TickTimer> makeTimer(const QString& kind)
{
    if (kind == QLatin1String("timerfd")) {
        return orbalune::TimerFdTickTimer::create();
    }
    return std::make_unique<orbalune::PreciseTickTimer>();
}

class JumpingClock final : public orbalune::ClockSource {
public:
    WallClock::time_point time;
    [[nodiscard]] WallClock::time_point now() const override { return time; }
};

class ManualTimer final : public orbalune::TickTimer {
public:
    WallClock::time_point target{};
    void armAt(WallClock::time_point when) override { target = when; }
    void stop() override {}
    void fire() { emit fired(); }
};

class NoColours final : public orbalune::ColourPicker {
public:
    std::optional<QColor> pick(const QColor&, QWidget*) override { return std::nullopt; }
};

class NoStacking final : public orbalune::WindowStacking {
public:
    void setTopmost(QWidget&, bool) override {}
    [[nodiscard]] bool isTopmost(const QWidget&) const override { return false; }
};

WallClock::time_point at(sys_days day, milliseconds sinceMidnight) { return day + sinceMidnight; }

}  // namespace

class TickTimerTest : public QObject {
    Q_OBJECT
private slots:
    void firesAtTheInstant_data();
    void firesAtTheInstant();
    void pastInstantFiresAtOnce_data() { firesAtTheInstant_data(); }
    void pastInstantFiresAtOnce();
    void stopAndRearm_data() { firesAtTheInstant_data(); }
    void stopAndRearm();
    void clockJumpsAreFollowed_data();
    void clockJumpsAreFollowed();
};

void TickTimerTest::firesAtTheInstant_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("timerfd") << QStringLiteral("timerfd");
    QTest::newRow("precise single-shot") << QStringLiteral("precise");
}

void TickTimerTest::firesAtTheInstant()
{
    QFETCH(QString, kind);
    auto timer = makeTimer(kind);
    QVERIFY(timer != nullptr);
    WallClock::time_point firedAt{};
    connect(timer.get(), &orbalune::TickTimer::fired, this, [&] { firedAt = WallClock::now(); });

    const auto target = WallClock::now() + 120ms;
    timer->armAt(target);
    QTRY_VERIFY_WITH_TIMEOUT(firedAt != WallClock::time_point{}, 2000);
    // Never early (an early tick would show the old second again), and not
    // noticeably late even on a loaded two-core machine.
    QVERIFY2(firedAt >= target - 1ms, qPrintable(QString::number((target - firedAt) / 1us) + " us early"));
    QVERIFY2(firedAt - target < 60ms, qPrintable(QString::number((firedAt - target) / 1us) + " us late"));
}

void TickTimerTest::pastInstantFiresAtOnce()
{
    QFETCH(QString, kind);
    auto timer = makeTimer(kind);
    QSignalSpy spy(timer.get(), &orbalune::TickTimer::fired);
    timer->armAt(WallClock::now() - 5s);  // a tick that is already late re-aligns at once
    QVERIFY(spy.wait(200));
    QCOMPARE(spy.count(), 1);
    QTest::qWait(50);
    QCOMPARE(spy.count(), 1);  // one shot per arming
}

void TickTimerTest::stopAndRearm()
{
    QFETCH(QString, kind);
    auto timer = makeTimer(kind);
    QSignalSpy spy(timer.get(), &orbalune::TickTimer::fired);
    timer->armAt(WallClock::now() + 80ms);
    timer->stop();
    QTest::qWait(200);
    QCOMPARE(spy.count(), 0);

    // A second arming replaces the first: only the later instant fires.
    timer->armAt(WallClock::now() + 40ms);
    timer->armAt(WallClock::now() + 150ms);
    QTest::qWait(100);
    QCOMPARE(spy.count(), 0);
    QVERIFY(spy.wait(500));
    QCOMPARE(spy.count(), 1);
}

void TickTimerTest::clockJumpsAreFollowed_data()
{
    QTest::addColumn<qint64>("jumpMs");
    QTest::addColumn<QString>("homeTime");
    QTest::addColumn<QString>("homeDate");
    QTest::addColumn<QString>("londonTime");
    // From Sunday 2008-06-29 08:30:15.250 local (TZ=UTC0).
    QTest::newRow("forward 1 h") << qint64{3600'000} << QStringLiteral("09:30:15") << QStringLiteral("06/29日")
                                 << QStringLiteral("00:30");
    QTest::newRow("back 1 h") << qint64{-3600'000} << QStringLiteral("07:30:15") << QStringLiteral("06/29日")
                                 << QStringLiteral("22:30");
    QTest::newRow("forward 1 day") << qint64{86400'000} << QStringLiteral("08:30:15") << QStringLiteral("06/30月")
                                      << QStringLiteral("23:30");
    QTest::newRow("back 1 day") << qint64{-86400'000} << QStringLiteral("08:30:15") << QStringLiteral("06/28土")
                                   << QStringLiteral("23:30");
    QTest::newRow("resume after a 1 h gap, mid-second")
        << qint64{3600'000 + 730} << QStringLiteral("09:30:15") << QStringLiteral("06/29日")
        << QStringLiteral("00:30");
}

void TickTimerTest::clockJumpsAreFollowed()
{
    QFETCH(qint64, jumpMs);
    QFETCH(QString, homeTime);
    QFETCH(QString, homeDate);
    QFETCH(QString, londonTime);

    auto clock = std::make_unique<JumpingClock>();
    auto timer = std::make_unique<ManualTimer>();
    JumpingClock* clockPtr = clock.get();
    ManualTimer* timerPtr = timer.get();
    clockPtr->time = at(sys_days{2008y / June / 29}, 8h + 30min + 15s + 250ms);
    orbalune::Frm1 window({std::move(clock), std::move(timer), std::make_unique<NoColours>(),
                           std::make_unique<NoStacking>()});
    auto* home = window.findChild<QLineEdit*>(QStringLiteral("txtJihun(6)"));
    auto* homeDateLabel = window.findChild<QLabel*>(QStringLiteral("lblTukihi(6)"));
    auto* london = window.findChild<QLineEdit*>(QStringLiteral("txtJihun(1)"));
    QVERIFY(home && homeDateLabel && london);

    timerPtr->fire();
    QCOMPARE(home->text(), QStringLiteral("08:30:15"));

    // The clock is set while the timer waits; the wake-up (at its instant, or
    // early through the cancel-on-set notice) must show the new time at once.
    clockPtr->time += milliseconds{jumpMs};
    timerPtr->fire();
    QCOMPARE(home->text(), homeTime);
    QCOMPARE(homeDateLabel->text(), homeDate);
    QCOMPARE(london->text(), londonTime);
    // ...and the next tick is aimed at the next whole second of the new time.
    QCOMPARE(timerPtr->target, floor<seconds>(clockPtr->time) + 1s);
}

QTEST_MAIN(TickTimerTest)
#include "tick_timer_test.moc"
