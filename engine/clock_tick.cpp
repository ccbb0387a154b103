// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clock_tick.h"

#include <algorithm>

namespace orbalune {

namespace {

using namespace std::chrono;

void appendTwoDigits(std::u16string& out, unsigned value)
{
    out.push_back(static_cast<char16_t>(u'0' + (value / 10) % 10));
    out.push_back(static_cast<char16_t>(u'0' + value % 10));
}

std::u16string monthDay(const year_month_day& date)
{
    std::u16string out;
    out.reserve(6);
    appendTwoDigits(out, static_cast<unsigned>(date.month()));
    out.push_back(u'/');
    appendTwoDigits(out, static_cast<unsigned>(date.day()));
    return out;
}

std::u16string clockTime(const hh_mm_ss<seconds>& time, bool withSeconds)
{
    std::u16string out;
    out.reserve(8);
    appendTwoDigits(out, static_cast<unsigned>(time.hours().count()));
    out.push_back(u':');
    appendTwoDigits(out, static_cast<unsigned>(time.minutes().count()));
    if (withSeconds) {
        out.push_back(u':');
        appendTwoDigits(out, static_cast<unsigned>(time.seconds().count()));
    }
    return out;
}

}  // namespace

char16_t WeekdayKanji(weekday day)
{
    static constexpr std::u16string_view names = u"日月火水木金土";
    return names[day.c_encoding() % 7];
}

DateTimeTexts FormatLocalTexts(local_seconds now)
{
    const local_days today = floor<days>(now);
    DateTimeTexts out{monthDay(year_month_day{today}), clockTime(hh_mm_ss{now - today}, true)};
    out.date.push_back(WeekdayKanji(weekday{today}));
    return out;
}

std::array<OffsetTexts, kDistinctOffsetCount> FormatOffsetTexts(local_seconds now)
{
    std::array<OffsetTexts, kDistinctOffsetCount> out;
    const auto& offsets = DistinctOffsets();
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        // Offsets are whole minutes, so the shifted time is exact: no day fractions.
        const local_seconds shifted = now + offsets[i];
        const local_days day = floor<days>(shifted);
        out[i] = {monthDay(year_month_day{day}), clockTime(hh_mm_ss{shifted - day}, false)};
    }
    return out;
}

TickTexts ComputeTick(local_seconds now, const RowNames& names)
{
    TickTexts out;
    const auto offsetTexts = FormatOffsetTexts(now);
    out.home = FormatLocalTexts(now);
    const auto& offsets = DistinctOffsets();
    for (const Row row : kAllRows) {
        if (const auto offset = FindCityOffset(names[row])) {
            const auto index = std::find(offsets.begin(), offsets.end(), *offset) - offsets.begin();
            out.rows[row] = offsetTexts.at(static_cast<std::size_t>(index));
        }
    }
    return out;
}

}  // namespace orbalune
