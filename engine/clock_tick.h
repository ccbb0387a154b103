// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One refresh of the clock: from a single local reading and the ten Rows' city
// names to every text the Rows show. Pure: no clock, no toolkit, no state.

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/city_table.h"
#include "engine/row.h"

namespace orbalune {

struct DateTimeTexts {
    std::u16string date;  // "mm/dd" (the home row appends the weekday kanji)
    std::u16string time;  // "hh:mm" ("hh:mm:ss" for the home row)
    friend bool operator==(const DateTimeTexts&, const DateTimeTexts&) = default;
};

// Texts of one distinct offset of the city table, valid for one tick.
using OffsetTexts = DateTimeTexts;

// The city name each Row shows.
using RowNames = PerRow<std::u16string_view>;

struct TickTexts {
    DateTimeTexts home;  // written to the home row first
    // Then, per Row, the city's texts, or nothing when the name is not in the
    // table: such a Row keeps whatever it showed before.
    PerRow<std::optional<DateTimeTexts>> rows;
};

// One-kanji weekday name, Sunday first: 日 月 火 水 木 金 土.
char16_t WeekdayKanji(std::chrono::weekday day);

// "mm/dd" + weekday and "hh:mm:ss" of the local reading.
DateTimeTexts FormatLocalTexts(std::chrono::local_seconds now);

// "mm/dd" and "hh:mm" for every distinct offset, in table order.
std::array<OffsetTexts, kDistinctOffsetCount> FormatOffsetTexts(std::chrono::local_seconds now);

// Every text of one tick, all derived from the one reading `now`.
TickTexts ComputeTick(std::chrono::local_seconds now, const RowNames& names);

}  // namespace orbalune
