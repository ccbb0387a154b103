// The tick's texts: the worked example, calendar edges, and every offset checked
// against the C library's calendar as an independent oracle.

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <random>
#include <string>

#include "clock_tick.h"
#include "tick_schedule.h"

using namespace std::chrono;
using namespace std::chrono_literals;
using orbalune::ComputeTick;
using orbalune::RowNames;

namespace {

std::string utf8(const std::u16string& text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {  // every non-ASCII character we format lies in the BMP
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

local_seconds local(year_month_day day, seconds sinceMidnight) { return local_days{day} + sinceMidnight; }

// What the C library says the shifted clock reads, formatted by printf.
std::pair<std::string, std::string> oracle(local_seconds now, minutes offset)
{
    const std::time_t shifted = static_cast<std::time_t>((now + offset).time_since_epoch().count());
    std::tm parts{};
    gmtime_r(&shifted, &parts);
    char date[16];
    char time[16];
    std::snprintf(date, sizeof date, "%02d/%02d", parts.tm_mon + 1, parts.tm_mday);
    std::snprintf(time, sizeof time, "%02d:%02d", parts.tm_hour, parts.tm_min);
    return {date, time};
}

const RowNames kWorkedExampleRows{u"ロンドン", u"ホノルル", u"カブール", u"ニューデリー", u"シドニー",
                                  u"東　京", u"夏ウェリントン", u"ブエノスアイレス", u"London", u""};

}  // namespace

TEST(ClockTick, WorkedExample)
{
    const auto texts = ComputeTick(local(2008y / June / 29, 8h + 30min + 15s), kWorkedExampleRows);
    EXPECT_EQ(utf8(texts.home.date), "06/29日");
    EXPECT_EQ(utf8(texts.home.time), "08:30:15");
    const std::array<std::pair<const char*, const char*>, 8> expected{{{"06/28", "23:30"},
                                                                       {"06/28", "13:30"},
                                                                       {"06/29", "04:00"},
                                                                       {"06/29", "05:00"},
                                                                       {"06/29", "09:30"},
                                                                       {"", ""},
                                                                       {"06/29", "12:30"},
                                                                       {"06/28", "20:30"}}};
    for (std::size_t row = 0; row < expected.size(); ++row) {
        if (row == orbalune::HomeRow - 1) {
            EXPECT_FALSE(texts.rows[row].has_value()) << "a prefecture is not a city";
            continue;
        }
        ASSERT_TRUE(texts.rows[row].has_value()) << row;
        EXPECT_EQ(utf8(texts.rows[row]->date), expected[row].first) << row;
        EXPECT_EQ(utf8(texts.rows[row]->time), expected[row].second) << row;
    }
    EXPECT_FALSE(texts.rows[8].has_value());
    EXPECT_FALSE(texts.rows[9].has_value());
}

TEST(ClockTick, CalendarEdgesAndExactMinutes)
{
    struct Case {
        local_seconds now;
        std::u16string_view city;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {local(2009y / January / 1, 5h), u"ロンドン", "12/31", "20:00"},        // year end
        {local(2008y / March / 1, 3h), u"ロンドン", "02/29", "18:00"},          // leap day
        {local(2100y / March / 1, 3h), u"ロンドン", "02/28", "18:00"},          // 2100 is no leap year
        {local(2008y / December / 31, 22h), u"夏ウェリントン", "01/01", "02:00"},  // going east
        {local(2008y / June / 29, 8h + 30min), u"ロンドン", "06/28", "23:30"},   // never 23:29
        {local(2008y / June / 29, 0h), u"カブール", "06/28", "19:30"},
        {local(2008y / March / 1, 0h), u"ホノルル", "02/29", "05:00"},
    };
    for (const Case& c : cases) {
        RowNames names{};
        names[0] = c.city;
        const auto texts = ComputeTick(c.now, names);
        ASSERT_TRUE(texts.rows[0].has_value());
        EXPECT_EQ(utf8(texts.rows[0]->date), c.date);
        EXPECT_EQ(utf8(texts.rows[0]->time), c.time);
    }
}

TEST(ClockTick, HomeRowWeekdaysAndSeconds)
{
    const char* const weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int day = 0; day < 7; ++day) {  // 2008-06-29 was a Sunday
        const auto now = local(2008y / June / 29, 23h + 59min + 59s) + days{day};
        const auto texts = ComputeTick(now, RowNames{});
        EXPECT_EQ(utf8(texts.home.date).substr(5), weekdays[day]);
        EXPECT_EQ(utf8(texts.home.time), "23:59:59");
        // One second later it is the next day, and the next weekday.
        const auto next = ComputeTick(now + 1s, RowNames{});
        EXPECT_EQ(utf8(next.home.date).substr(5), weekdays[(day + 1) % 7]);
        EXPECT_EQ(utf8(next.home.time), "00:00:00");
    }
}

TEST(ClockTick, HomeRowHoldingACityShowsThatCity)
{
    RowNames names{};
    names[orbalune::HomeRow - 1] = u"ロンドン";
    const auto texts = ComputeTick(local(2008y / June / 29, 8h + 30min + 15s), names);
    ASSERT_TRUE(texts.rows[orbalune::HomeRow - 1].has_value());
    EXPECT_EQ(utf8(texts.rows[orbalune::HomeRow - 1]->time), "23:30");
    EXPECT_EQ(utf8(texts.home.time), "08:30:15");  // written first, then replaced by the city
}

TEST(ClockTick, EveryOffsetAgreesWithTheCLibraryCalendar)
{
    std::vector<local_seconds> instants;
    for (const year y : {1970y, 1999y, 2000y, 2024y, 2099y, 2100y}) {
        const year_month_day days[] = {y / January / 1, y / February / 28, year_month_day{y / February / last},
                                       y / March / 1,   y / December / 31, y / June / 30};
        for (const year_month_day day : days) {
            for (const seconds t : {0s, 1s, seconds{3599}, seconds{41400}, seconds{86399}}) {
                instants.push_back(local(day, t));
            }
        }
    }
    std::mt19937_64 random(20080629);
    const auto first = local(1970y / January / 2, 0s).time_since_epoch().count();
    const auto last = local(2100y / December / 30, 0s).time_since_epoch().count();
    std::uniform_int_distribution<long long> spread(first, last);
    for (int i = 0; i < 5000; ++i) {
        instants.push_back(local_seconds{seconds{spread(random)}});
    }
    const auto& offsets = orbalune::DistinctOffsets();
    for (const local_seconds now : instants) {
        const auto texts = orbalune::FormatOffsetTexts(now);
        for (std::size_t i = 0; i < offsets.size(); ++i) {
            const auto [date, time] = oracle(now, offsets[i]);
            ASSERT_EQ(utf8(texts[i].date), date) << now.time_since_epoch().count() << " offset " << i;
            ASSERT_EQ(utf8(texts[i].time), time) << now.time_since_epoch().count() << " offset " << i;
        }
    }
}
