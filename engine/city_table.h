// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cities the clock knows, each with its fixed distance from local (Japan) time.
// No time-zone rules: a city that keeps summer time has a second entry whose name
// starts with "夏" and whose offset is one hour later.

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string_view>

namespace orbalune {

struct CityEntry {
    std::u16string_view name;     // exact UTF-16 code units; also the text a Row shows
    std::chrono::minutes offset;  // added to local time; whole or half hours
};

inline constexpr std::size_t kCityCount = 77;
inline constexpr std::size_t kDistinctOffsetCount = 21;

// Every entry, in the order in which the tick walks the offsets.
extern const std::array<CityEntry, kCityCount> CityOffsetTable;

// The distinct offsets of the table, in the order they first appear in it.
const std::array<std::chrono::minutes, kDistinctOffsetCount>& DistinctOffsets();

// Whole-name, code-unit-exact lookup: no trimming, folding or normalisation.
std::optional<std::chrono::minutes> FindCityOffset(std::u16string_view name);

}  // namespace orbalune
