// SPDX-License-Identifier: GPL-3.0-or-later
// The city table checked by the facts it must keep, and every text of the tick checked against the C
// library's calendar over more than a century.

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <set>

#include "engine/clock_tick.h"
#include "engine/tick_schedule.h"
#include "oracle.h"

using namespace std::chrono;
using namespace std::chrono_literals;
using orbalune::CityOffsetTable;
using orbalune::FindCityOffset;

namespace {

std::string utf8(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)).toStdString(); }

}  // namespace

// A typo in any one entry breaks one of these: a summer entry is its city an hour later, and the 13 cities
// without summer time are checked one by one.
TEST(CityTable, KeepsItsFacts)
{
    std::set<std::u16string_view> names;
    int summer = 0, ideographic = 0;
    for (const auto& [name, offset] : CityOffsetTable) {
        names.insert(name);
        EXPECT_NE(name.find_first_of(u" 　"), 0U) << utf8(name) << " begins with a space";
        EXPECT_NE(name.find_last_of(u" 　"), name.size() - 1) << utf8(name) << " ends in a space";
        if (name.starts_with(u"夏")) {
            ++summer;
            EXPECT_EQ(offset - FindCityOffset(name.substr(1)).value_or(-99h), 1h) << utf8(name) << ", an hour later";
        }
        ideographic += name.find(u'　') != std::u16string_view::npos ? 1 : 0;
    }
    EXPECT_EQ(names.size(), 77U) << "names, each once";
    EXPECT_EQ(summer, 32) << "summer entries";
    EXPECT_EQ(ideographic, 5) << "names with an ideographic space";
    const std::array<minutes, 21> inTableOrder{-9h, -8h, -7h,  -6h,  -5h,  -270min, -210min, -2h,  -1h,  1h,  2h,
                                               3h,  4h,  -19h, -17h, -16h, -15h,    -14h,    -13h, -12h, -11h};
    EXPECT_EQ(orbalune::DistinctOffsets(), inTableOrder);
    const std::pair<std::u16string, minutes> withoutSummer[] = {
        {u"ダカール", -9h},         {u"ナイロビ", -7h},   {u"昭和基地", -6h}, {u"カブール", -270min},
        {u"ニューデリー", -210min}, {u"ジャカルタ", -2h}, {u"バンコク", -2h}, {u"マニラ", -1h},
        {u"香　港", -1h},           {u"北　京", -1h},     {u"台　北", -1h},   {u"シンガポール", -1h},
        {u"ホノルル", -19h}};
    for (const auto& [name, offset] : withoutSummer) {
        EXPECT_EQ(FindCityOffset(name), offset) << utf8(name);
        EXPECT_EQ(FindCityOffset(u"夏" + name), std::nullopt) << utf8(name) << " has a summer entry";
    }
}

TEST(CityTable, FindsOnlyExactNames)
{
    EXPECT_EQ(FindCityOffset(u"夏ロンドン"), -8h);
    EXPECT_EQ(FindCityOffset(u"リオデジャネイロ"), -14h);
    EXPECT_EQ(FindCityOffset(u"パ　リ"), -8h);
    EXPECT_EQ(FindCityOffset(u"ワシントンDC"), -14h);
    for (const std::u16string_view name : {u"パ リ", u"ロンドン ", u" ロンドン", u"ロンドン　", u"London", u"", u"夏",
                                           u"夏ホノルル", u"東　京", u"山　梨　", u"ワシントンＤＣ", u"ロンド"}) {
        EXPECT_EQ(FindCityOffset(name), std::nullopt) << '"' << utf8(name) << '"';
    }
}

TEST(ClockTick, WorkedExample)  // Sunday 29 June 2008, 08:30:15; unknown names get nothing
{
    const orbalune::RowNames names{{u"ロンドン", u"ホノルル", u"カブール", u"ニューデリー", u"シドニー", u"東　京",
                                    u"夏ウェリントン", u"ブエノスアイレス", u"", u"London"}};
    const char* const want[] = {"06/28 23:30", "06/28 13:30", "06/29 04:00", "06/29 05:00", "06/29 09:30",
                                "-",           "06/29 12:30", "06/28 20:30", "-",           "-"};
    const auto texts = orbalune::ComputeTick(local_days{2008y / 6 / 29} + 8h + 30min + 15s, names);
    EXPECT_EQ(utf8(texts.home.date + u' ' + texts.home.time), "06/29日 08:30:15");
    for (const orbalune::Row row : orbalune::kAllRows) {
        const auto& shown = texts.rows[row];
        EXPECT_EQ(shown ? utf8(shown->date + u' ' + shown->time) : "-", want[row.number() - 1])
            << "Row " << row.number();
    }
}

// Every day from 1970 to 2100, each at another time of day, and the seconds around midnight on the
// calendar's awkward days.
TEST(ClockTick, EveryOffsetAndTheHomeRowAgreeWithTheCLibrary)
{
    std::vector<local_seconds> instants;
    for (local_days day = local_days{1970y / 1 / 2}; day < local_days{2100y / 12 / 31}; day += days{1}) {
        instants.push_back(day + seconds{(day.time_since_epoch().count() * 7919) % 86400});
    }
    for (const year_month_day edge : {2008y / 3 / 1, 2009y / 1 / 1, 2100y / 3 / 1, 2024y / 2 / 29, 2000y / 3 / 1}) {
        const local_days day{edge};
        instants.insert(instants.end(), {day - 19h - 1s, day - 1s, day, day + 4h + 59min + 59s});
    }
    const auto& offsets = orbalune::DistinctOffsets();
    for (const local_seconds now : instants) {
        const auto texts = orbalune::FormatOffsetTexts(now);
        for (std::size_t i = 0; i < offsets.size(); ++i) {
            const auto want = orbalune::testing::Expected(now, offsets[i]);
            ASSERT_EQ(utf8(texts[i].date + u' ' + texts[i].time), utf8(want.date + u' ' + want.time))
                << now.time_since_epoch() << " local, offset " << offsets[i];
        }
        const auto home = orbalune::FormatLocalTexts(now);
        const auto want = orbalune::testing::Expected(now, 0min, true);
        ASSERT_EQ(utf8(home.date + u' ' + home.time), utf8(want.date + u' ' + want.time)) << now.time_since_epoch();
    }
}

TEST(TickSchedule, AimsAtTheNextWholeSecondOfLocalTime)
{
    const orbalune::WallClock::time_point second{1214697015s};  // 2008-06-28 23:50:15 UTC
    for (const auto into : {0ns, 1ns, nanoseconds{500ms}, 999'999'999ns}) {
        EXPECT_EQ(orbalune::NextSecondBoundary(second + into), second + 1s) << into << " into the second";
    }
    EXPECT_EQ(orbalune::NextSecondBoundary(orbalune::WallClock::time_point{-1500ms}).time_since_epoch(), -1s);
    setenv("TZ", "JST-9", 1);
    tzset();
    EXPECT_EQ(orbalune::ToLocalSeconds(second + 999ms).time_since_epoch(), 1214697015s + 9h);
    setenv("TZ", "UTC0", 1);
    tzset();
}
