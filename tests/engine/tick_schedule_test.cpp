// When the next tick is due, and local time from a wall-clock reading.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "tick_schedule.h"

using namespace std::chrono;
using namespace std::chrono_literals;
using orbalune::WallClock;

TEST(TickSchedule, DelayReachesTheNextWholeSecond)
{
    const WallClock::time_point base{seconds{1214728215}};  // 2008-06-28 23:30:15 UTC
    struct Case {
        milliseconds into;
        milliseconds delay;
    };
    for (const Case c : {Case{0ms, 1000ms}, Case{1ms, 999ms}, Case{500ms, 500ms}, Case{999ms, 1ms}}) {
        EXPECT_EQ(orbalune::DelayToNextSecond(base + c.into), c.delay) << c.into.count();
        EXPECT_EQ(orbalune::NextSecondBoundary(base + c.into), base + 1s);
    }
    // Sub-millisecond readings are not rounded away.
    EXPECT_EQ(orbalune::DelayToNextSecond(base + 999'999us), 1us);
    // Before the epoch, floor (not truncation) still points forwards.
    const WallClock::time_point before{-1500ms};
    EXPECT_EQ(orbalune::NextSecondBoundary(before), WallClock::time_point{-1s});
}

TEST(TickSchedule, LocalTimeFollowsTheZone)
{
    const bool haveTokyo = std::filesystem::exists("/usr/share/zoneinfo/Asia/Tokyo");
    const WallClock::time_point instant{seconds{1214697015}};  // 2008-06-28 23:50:15 UTC
    const char* const previous = std::getenv("TZ");
    const std::string saved = previous != nullptr ? previous : "";

    setenv("TZ", haveTokyo ? "Asia/Tokyo" : "JST-9", 1);
    tzset();
    EXPECT_EQ(orbalune::ToLocalSeconds(instant).time_since_epoch(), seconds{1214697015} + 9h);
    setenv("TZ", "UTC0", 1);
    tzset();
    EXPECT_EQ(orbalune::ToLocalSeconds(instant + 999ms).time_since_epoch(), seconds{1214697015});

    if (previous != nullptr) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}
