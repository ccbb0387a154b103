// Days of ticks through the real window with a fake clock, every text checked
// against the C library's calendar, and memory that stays flat.
// ORBALUNE_SOAK_SECONDS sets the length (the default run is short).

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "fake_seams.h"
#include "fonts.h"

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

// The default Rows' offsets in minutes, written down from the city list, not the code.
constexpr int kOffsets[10] = {-540, -480, -360, -210, -60, 0, 60, -1140, -1020, -840};

QString oracleDate(std::time_t t, bool home)
{
    std::tm p{};
    gmtime_r(&t, &p);
    static const char* const weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d", p.tm_mon + 1, p.tm_mday);
    return QString::fromLatin1(buffer) + (home ? QString::fromUtf8(weekdays[p.tm_wday]) : QString());
}

QString oracleTime(std::time_t t, bool home)
{
    std::tm p{};
    gmtime_r(&t, &p);
    char buffer[16];
    if (home) {
        std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", p.tm_hour, p.tm_min, p.tm_sec);
    } else {
        std::snprintf(buffer, sizeof buffer, "%02d:%02d", p.tm_hour, p.tm_min);
    }
    return QString::fromLatin1(buffer);
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void ticksStayRightAndMemoryFlat();
};

void SoakTest::ticksStayRightAndMemoryFlat()
{
    orbalune::InstallJapaneseFonts();
    const long seconds = qEnvironmentVariable("ORBALUNE_SOAK_SECONDS", QStringLiteral("20000")).toLong();
    // From just before a leap day, across it and the month end.
    const auto start = sys_days{2024y / February / 28} + 22h + 0min + 0s + 250ms;
    orbalune::testing::FakeWindow w(start);
    QLabel* dates[10];
    QLineEdit* times[10];
    for (int row = 1; row <= 10; ++row) {
        dates[row - 1] = w.row<QLabel>("lblTukihi", row);
        times[row - 1] = w.row<QLineEdit>("txtJihun", row);
    }
    long startKiB = 0;
    for (long s = 0; s < seconds; ++s) {
        w.tickAt(start + std::chrono::seconds{s});
        if (s == 1000) {
            startKiB = residentKiB();  // after caches have warmed up
        }
        const std::time_t local = static_cast<std::time_t>(floor<std::chrono::seconds>(w.clock->time)
                                                               .time_since_epoch().count());
        for (int i = 0; i < 10; ++i) {
            const bool home = i == 5;
            const std::time_t shifted = local + kOffsets[i] * 60;
            if (dates[i]->text() != oracleDate(shifted, home) || times[i]->text() != oracleTime(shifted, home)) {
                QFAIL(qPrintable(QStringLiteral("second %1, Row %2: %3 %4, want %5 %6")
                                     .arg(s).arg(i + 1).arg(dates[i]->text(), times[i]->text(),
                                                            oracleDate(shifted, home), oracleTime(shifted, home))));
            }
        }
        QCOMPARE(w.timer->target, floor<std::chrono::seconds>(w.clock->time) + 1s);
    }
    const long endKiB = residentKiB();
    std::printf("soak: %ld ticks, resident memory %ld KiB after 1000 ticks, %ld KiB at the end\n", seconds,
                startKiB, endKiB);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed blocks in quarantine and never gives memory
    // back, so resident memory says nothing here; LeakSanitizer checks at exit.
    std::printf("soak: resident memory not judged under AddressSanitizer\n");
#else
    if (seconds > 2000) {
        QVERIFY2(endKiB - startKiB < 4096, "resident memory grew by more than 4 MiB");
    }
#endif
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
