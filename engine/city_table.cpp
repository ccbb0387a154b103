// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/city_table.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace orbalune {

using std::chrono::hours;
using std::chrono::minutes;

// Half-hour offsets are written in minutes so that every value stays exact.
const std::array<CityEntry, kCityCount> CityOffsetTable{{
    {u"ダカール", hours(-9)},
    {u"ロンドン", hours(-9)},
    {u"夏ロンドン", hours(-8)},
    {u"ローマ", hours(-8)},
    {u"マドリード", hours(-8)},
    {u"ベルリン", hours(-8)},
    {u"ブリュッセル", hours(-8)},
    {u"パ　リ", hours(-8)},
    {u"ストックホルム", hours(-8)},
    {u"ジュネーブ", hours(-8)},
    {u"コペンハーゲン", hours(-8)},
    {u"ウィーン", hours(-8)},
    {u"アムステルダム", hours(-8)},
    {u"夏ローマ", hours(-7)},
    {u"夏マドリード", hours(-7)},
    {u"夏ベルリン", hours(-7)},
    {u"夏ブリュッセル", hours(-7)},
    {u"夏パ　リ", hours(-7)},
    {u"夏ストックホルム", hours(-7)},
    {u"夏ジュネーブ", hours(-7)},
    {u"夏コペンハーゲン", hours(-7)},
    {u"夏ウィーン", hours(-7)},
    {u"夏アムステルダム", hours(-7)},
    {u"カイロ", hours(-7)},
    {u"イスタンブール", hours(-7)},
    {u"ナイロビ", hours(-7)},
    {u"アテネ", hours(-7)},
    {u"昭和基地", hours(-6)},
    {u"バグダッド", hours(-6)},
    {u"夏カイロ", hours(-6)},
    {u"夏イスタンブール", hours(-6)},
    {u"夏アテネ", hours(-6)},
    {u"モスクワ", hours(-6)},
    {u"夏バグダッド", hours(-5)},
    {u"夏モスクワ", hours(-5)},
    {u"カブール", minutes(-270)},
    {u"ニューデリー", minutes(-210)},
    {u"ジャカルタ", hours(-2)},
    {u"バンコク", hours(-2)},
    {u"マニラ", hours(-1)},
    {u"香　港", hours(-1)},
    {u"北　京", hours(-1)},
    {u"台　北", hours(-1)},
    {u"シンガポール", hours(-1)},
    {u"メルボルン", hours(1)},
    {u"シドニー", hours(1)},
    {u"夏メルボルン", hours(2)},
    {u"夏シドニー", hours(2)},
    {u"ウェリントン", hours(3)},
    {u"夏ウェリントン", hours(4)},
    {u"ホノルル", hours(-19)},
    {u"ロサンゼルス", hours(-17)},
    {u"サンフランシスコ", hours(-17)},
    {u"夏ロサンゼルス", hours(-16)},
    {u"夏サンフランシスコ", hours(-16)},
    {u"ヒューストン", hours(-15)},
    {u"シカゴ", hours(-15)},
    {u"メキシコシティー", hours(-15)},
    {u"夏ヒューストン", hours(-14)},
    {u"夏シカゴ", hours(-14)},
    {u"夏メキシコシティー", hours(-14)},
    {u"リオデジャネイロ", hours(-14)},
    {u"モントリオール", hours(-14)},
    {u"オタワ", hours(-14)},
    {u"ワシントンDC", hours(-14)},
    {u"ニューヨーク", hours(-14)},
    {u"マイアミ", hours(-14)},
    {u"ボストン", hours(-14)},
    {u"夏リオデジャネイロ", hours(-13)},
    {u"夏モントリオール", hours(-13)},
    {u"夏オタワ", hours(-13)},
    {u"夏ワシントンDC", hours(-13)},
    {u"夏ニューヨーク", hours(-13)},
    {u"夏マイアミ", hours(-13)},
    {u"夏ボストン", hours(-13)},
    {u"ブエノスアイレス", hours(-12)},
    {u"夏ブエノスアイレス", hours(-11)},
}};

const std::array<minutes, kDistinctOffsetCount>& DistinctOffsets()
{
    static const auto offsets = [] {
        std::array<minutes, kDistinctOffsetCount> out{};
        std::size_t count = 0;
        for (const CityEntry& entry : CityOffsetTable) {
            auto* const end = out.begin() + static_cast<std::ptrdiff_t>(count);
            if (std::find(out.begin(), end, entry.offset) == end) {
                out.at(count++) = entry.offset;  // at(): a 22nd offset must fail loudly
            }
        }
        return out;
    }();
    return offsets;
}

namespace {

// Name -> offset, built once; names are unique, so a map gives the same answer
// as walking the table in order.
const std::unordered_map<std::u16string_view, minutes>& offsetByName()
{
    static const auto map = [] {
        std::unordered_map<std::u16string_view, minutes> out;
        for (const CityEntry& entry : CityOffsetTable) {
            out.emplace(entry.name, entry.offset);
        }
        return out;
    }();
    return map;
}

}  // namespace

std::optional<minutes> FindCityOffset(std::u16string_view name)
{
    const auto& map = offsetByName();
    const auto it = map.find(name);
    if (it == map.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace orbalune
