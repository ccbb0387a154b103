// The city table's invariants, checked from the data itself, and the lookups
// that must fail because they are near misses.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "city_table.h"

using namespace std::chrono_literals;
using orbalune::CityOffsetTable;
using orbalune::FindCityOffset;

namespace {

constexpr char16_t kSummer = u'夏';
constexpr char16_t kIdeographicSpace = u'\u3000';

bool isSpace(char16_t c) { return c == u' ' || c == kIdeographicSpace; }

}  // namespace

TEST(CityTable, NamesAreUniqueAndCleanlyBounded)
{
    std::set<std::u16string_view> names;
    int withIdeographicSpace = 0;
    for (const auto& entry : CityOffsetTable) {
        EXPECT_TRUE(names.insert(entry.name).second) << "duplicate name";
        ASSERT_FALSE(entry.name.empty());
        EXPECT_FALSE(isSpace(entry.name.front()) || isSpace(entry.name.back()));
        withIdeographicSpace += entry.name.find(kIdeographicSpace) != std::u16string_view::npos ? 1 : 0;
        EXPECT_EQ(entry.offset % 30min, 0min) << "offsets are whole or half hours";
    }
    EXPECT_EQ(names.size(), 77U);
    EXPECT_EQ(withIdeographicSpace, 5);
    EXPECT_TRUE(names.contains(u"パ　リ") && names.contains(u"夏パ　リ") && names.contains(u"香　港") &&
                names.contains(u"北　京") && names.contains(u"台　北"));
    EXPECT_TRUE(names.contains(u"ワシントンDC"));  // ASCII D and C, not full-width
}

TEST(CityTable, EverySummerEntryIsOneHourAheadOfItsCity)
{
    std::set<std::u16string_view> withSummer;
    int summerEntries = 0;
    for (const auto& entry : CityOffsetTable) {
        if (entry.name.front() != kSummer) {
            continue;
        }
        ++summerEntries;
        const auto standard = entry.name.substr(1);
        const auto standardOffset = FindCityOffset(standard);
        ASSERT_TRUE(standardOffset.has_value()) << "summer entry without a standard entry";
        EXPECT_EQ(entry.offset - *standardOffset, 1h);
        withSummer.insert(standard);
    }
    EXPECT_EQ(summerEntries, 32);

    std::set<std::u16string_view> without;
    for (const auto& entry : CityOffsetTable) {
        if (entry.name.front() != kSummer && !withSummer.contains(entry.name)) {
            without.insert(entry.name);
        }
    }
    const std::set<std::u16string_view> expected{u"ダカール", u"ナイロビ", u"昭和基地", u"カブール", u"ニューデリー",
                                                 u"ジャカルタ", u"バンコク", u"マニラ", u"香　港", u"北　京",
                                                 u"台　北", u"シンガポール", u"ホノルル"};
    EXPECT_EQ(without, expected);
}

TEST(CityTable, DistinctOffsetsInTableOrder)
{
    const std::array<std::chrono::minutes, 21> expected{
        -9h, -8h, -7h, -6h, -5h, -270min, -210min, -2h, -1h, 1h, 2h, 3h, 4h, -19h, -17h, -16h, -15h, -14h, -13h,
        -12h, -11h};
    EXPECT_EQ(orbalune::DistinctOffsets(), expected);
    for (const auto& entry : CityOffsetTable) {
        EXPECT_NE(std::find(expected.begin(), expected.end(), entry.offset), expected.end());
    }
}

TEST(CityTable, DayValuesAreHoursOverTwentyFour)
{
    auto days = [](std::u16string_view name) {
        const auto* it = std::find_if(CityOffsetTable.begin(), CityOffsetTable.end(),
                                      [&](const auto& e) { return e.name == name; });
        return it->offsetDays();
    };
    EXPECT_EQ(days(u"ロンドン"), -0.375);
    EXPECT_EQ(days(u"ローマ"), -0.3333333333333333);
    EXPECT_EQ(days(u"カブール"), -0.1875);
    EXPECT_EQ(days(u"ニューデリー"), -0.14583333333333334);
    EXPECT_EQ(days(u"メルボルン"), 0.041666666666666664);
    for (const auto& entry : CityOffsetTable) {
        EXPECT_EQ(entry.offsetDays(), static_cast<double>(entry.offset.count()) / 60.0 / 24.0);
    }
}

TEST(CityLookup, FindsExactNames)
{
    EXPECT_EQ(FindCityOffset(u"ロンドン"), -9h);
    EXPECT_EQ(FindCityOffset(u"夏ロンドン"), -8h);
    EXPECT_EQ(FindCityOffset(u"カブール"), -270min);
    EXPECT_EQ(FindCityOffset(u"ニューデリー"), -210min);
    EXPECT_EQ(FindCityOffset(u"ホノルル"), -19h);
    EXPECT_EQ(FindCityOffset(u"夏ウェリントン"), 4h);
    EXPECT_EQ(FindCityOffset(u"ブエノスアイレス"), -12h);
    EXPECT_EQ(FindCityOffset(u"夏ブエノスアイレス"), -11h);
    EXPECT_EQ(FindCityOffset(u"ナイロビ"), FindCityOffset(u"カイロ"));
    EXPECT_EQ(FindCityOffset(u"リオデジャネイロ"), FindCityOffset(u"ニューヨーク"));
    EXPECT_EQ(FindCityOffset(u"昭和基地"), FindCityOffset(u"モスクワ"));
}

TEST(CityLookup, NearMissesFindNothing)
{
    for (const std::u16string_view name :
         {u"パ リ", u"ロンドン ", u" ロンドン", u"ロンドン\u3000", u"London", u"", u"夏", u"夏ホノルル", u"夏夏ロンドン",
          u"東　京", u"北海道", u"山　梨　", u"山　梨", u"ワシントンＤＣ", u"ﾛﾝﾄﾞﾝ"}) {
        EXPECT_FALSE(FindCityOffset(name).has_value()) << std::string(name.begin(), name.end()).size();
    }
    // A prefix or an extension of a real name is not that name.
    const std::u16string longer = std::u16string(u"ロンドン") + u"x";
    EXPECT_FALSE(FindCityOffset(std::u16string_view(longer)).has_value());
    EXPECT_FALSE(FindCityOffset(std::u16string_view(longer).substr(0, 3)).has_value());
}
