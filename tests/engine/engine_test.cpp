// The city table checked by the facts it must keep, and every text of the tick
// checked against the C library's calendar over more than a century.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <set>

#include "clock_tick.h"
#include "oracle.h"
#include "tick_schedule.h"

using namespace std::chrono;
using namespace std::chrono_literals;
using orbalune::CityOffsetTable;
using orbalune::FindCityOffset;

TEST(CityTable, KeepsItsFacts)
{
    std::set<std::u16string_view> names;
    std::set<std::u16string_view> withSummer;
    for (const auto& [name, offset] : CityOffsetTable) {
        names.insert(name);
        EXPECT_TRUE(name.find_first_of(u" 　") != 0 && name.find_last_of(u" 　") != name.size() - 1);  // no space at either end
        if (name.starts_with(u"夏")) {  // a summer entry is its city's name, an hour later
            EXPECT_EQ(offset - FindCityOffset(name.substr(1)).value_or(-99h), 1h) << name.size();
            withSummer.insert(name.substr(1));
        }
    }
    EXPECT_EQ(names.size(), 77U);
    EXPECT_EQ(withSummer.size(), 32U);
    for (const auto* name : {u"ダカール", u"ナイロビ", u"昭和基地", u"カブール", u"ニューデリー", u"ジャカルタ", u"バンコク",
                             u"マニラ", u"香　港", u"北　京", u"台　北", u"シンガポール", u"ホノルル"}) {
        EXPECT_TRUE(names.contains(name) && !withSummer.contains(name));  // the 13 without summer time
    }
    const auto spaced = std::count_if(names.begin(), names.end(), [](auto n) { return n.find(u'　') != n.npos; });
    EXPECT_EQ(spaced, 5);  // Paris in both seasons, Hong Kong, Beijing, Taipei
    const std::array<minutes, 21> offsets{-9h, -8h, -7h, -6h, -5h, -270min, -210min, -2h, -1h, 1h, 2h,
                                          3h,  4h,  -19h, -17h, -16h, -15h, -14h, -13h, -12h, -11h};
    EXPECT_EQ(orbalune::DistinctOffsets(), offsets);
}

TEST(CityTable, FindsOnlyExactNames)
{
    const std::pair<const char16_t*, std::optional<minutes>> cases[] = {
        {u"ロンドン", -9h}, {u"夏ロンドン", -8h}, {u"カブール", -270min}, {u"ニューデリー", -210min},
        {u"ホノルル", -19h}, {u"夏ウェリントン", 4h}, {u"ブエノスアイレス", -12h}, {u"ナイロビ", -7h},
        {u"リオデジャネイロ", -14h}, {u"昭和基地", -6h}, {u"パ　リ", -8h}, {u"ワシントンDC", -14h},
        {u"パ リ", {}}, {u"ロンドン ", {}}, {u" ロンドン", {}}, {u"ロンドン　", {}}, {u"London", {}}, {u"", {}},
        {u"夏", {}}, {u"夏ホノルル", {}}, {u"東　京", {}}, {u"山　梨　", {}}, {u"ワシントンＤＣ", {}}, {u"ロンド", {}}};
    for (const auto& [name, offset] : cases) {
        EXPECT_EQ(FindCityOffset(name), offset) << std::char_traits<char16_t>::length(name);
    }
}

// Every day from 1970 to 2100, each at another time of day, and the seconds
// around midnight on the calendar's awkward days.
TEST(ClockTick, EveryOffsetAndTheHomeRowAgreeWithTheCLibrary)
{
    std::vector<local_seconds> instants;
    for (local_days day = local_days{1970y / 1 / 2}; day < local_days{2100y / 12 / 31}; day += days{1}) {
        instants.push_back(day + seconds{(day.time_since_epoch().count() * 7919) % 86400});
    }
    for (const year_month_day edge : {2008y / 3 / 1, 2009y / 1 / 1, 2100y / 3 / 1, 2024y / 2 / 29, 2000y / 3 / 1}) {
        for (const seconds around : {-19h - 1s, -1s, 0s, 4h + 59min + 59s}) {
            instants.push_back(local_days{edge} + around);
        }
    }
    const auto& offsets = orbalune::DistinctOffsets();
    for (const local_seconds now : instants) {
        const auto texts = orbalune::FormatOffsetTexts(now);
        for (std::size_t i = 0; i < offsets.size(); ++i) {
            const auto [date, time] = orbalune::testing::Expected(now, offsets[i]);
            ASSERT_TRUE(texts[i].date == date && texts[i].time == time) << now.time_since_epoch() << " " << i;
        }
        const auto [date, time] = orbalune::testing::Expected(now, 0min, true);
        ASSERT_TRUE(orbalune::FormatLocalTexts(now) == (orbalune::DateTimeTexts{date, time})) << now.time_since_epoch();
    }
}

TEST(TickSchedule, AimsAtTheNextWholeSecondOfLocalTime)
{
    const orbalune::WallClock::time_point second{1214697015s};  // 2008-06-28 23:50:15 UTC
    for (const auto into : {0ns, 1ns, nanoseconds{500ms}, 999'999'999ns}) {
        EXPECT_EQ(orbalune::NextSecondBoundary(second + into), second + 1s);
    }
    EXPECT_EQ(orbalune::NextSecondBoundary(orbalune::WallClock::time_point{-1500ms}).time_since_epoch(), -1s);
    setenv("TZ", "JST-9", 1);
    tzset();
    EXPECT_EQ(orbalune::ToLocalSeconds(second + 999ms).time_since_epoch(), 1214697015s + 9h);
    setenv("TZ", "UTC0", 1);
    tzset();
}
