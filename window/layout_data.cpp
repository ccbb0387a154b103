// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/layout_data.h"

namespace orbalune::layout {

namespace {

using namespace std::string_view_literals;

// Europe, Africa and the Middle East: Rows 1 to 3.
constexpr std::array kEuropeList{
    u"アテネ"sv,         u"夏アテネ"sv,         u"アムステルダム"sv,   u"夏アムステルダム"sv, u"ウィーン"sv,
    u"夏ウィーン"sv,     u"コペンハーゲン"sv,   u"夏コペンハーゲン"sv, u"ジュネーブ"sv,       u"夏ジュネーブ"sv,
    u"ストックホルム"sv, u"夏ストックホルム"sv, u"パ　リ"sv,           u"夏パ　リ"sv,         u"ブリュッセル"sv,
    u"夏ブリュッセル"sv, u"ベルリン"sv,         u"夏ベルリン"sv,       u"マドリード"sv,       u"夏マドリード"sv,
    u"モスクワ"sv,       u"夏モスクワ"sv,       u"ローマ"sv,           u"夏ローマ"sv,         u"ロンドン"sv,
    u"夏ロンドン"sv,     u"ダカール"sv,         u"ナイロビ"sv,         u"イスタンブール"sv,   u"夏イスタンブール"sv,
    u"カイロ"sv,         u"夏カイロ"sv,         u"昭和基地"sv};

constexpr std::array kRow4List{
    u"カブール"sv,         u"ニューデリー"sv, u"バグダッド"sv, u"夏バグダッド"sv, u"ジャカルタ"sv, u"シンガポール"sv,
    u"バンコク"sv,         u"アテネ"sv,       u"夏アテネ"sv,   u"ウィーン"sv,     u"夏ウィーン"sv, u"ジュネーブ"sv,
    u"夏ジュネーブ"sv,     u"モスクワ"sv,     u"夏モスクワ"sv, u"ローマ"sv,       u"夏ローマ"sv,   u"イスタンブール"sv,
    u"夏イスタンブール"sv, u"カイロ"sv,       u"夏カイロ"sv,   u"昭和基地"sv};

// Asia and Oceania: Row 5; Row 7 offers the same list without its last entry.
constexpr std::array kRow5List{
    u"バグダッド"sv,   u"夏バグダッド"sv, u"カブール"sv,     u"ニューデリー"sv, u"バンコク"sv,       u"ジャカルタ"sv,
    u"シンガポール"sv, u"台　北"sv,       u"北　京"sv,       u"香　港"sv,       u"マニラ"sv,         u"シドニー"sv,
    u"夏シドニー"sv,   u"メルボルン"sv,   u"夏メルボルン"sv, u"ウェリントン"sv, u"夏ウェリントン"sv, u"昭和基地"sv};
constexpr std::span<const std::u16string_view> kRow7List{kRow5List.data(), 17};

// The home row offers the prefectures of Japan; none is a city of the table.
// "山　梨　" really ends in an ideographic space, and the label shows it.
constexpr std::array kPrefectureList{
    u"北海道"sv, u"青　森"sv, u"岩　手"sv, u"秋　田"sv, u"宮　城"sv, u"山　形"sv, u"福　島"sv, u"新　潟"sv,
    u"群　馬"sv, u"栃　木"sv, u"茨　城"sv, u"千　葉"sv, u"埼　玉"sv, u"東　京"sv, u"神奈川"sv, u"山　梨　"sv,
    u"長　野"sv, u"静　岡"sv, u"愛　知"sv, u"岐　阜"sv, u"富　山"sv, u"石　川"sv, u"福　井"sv, u"三　重"sv,
    u"滋　賀"sv, u"京　都"sv, u"奈　良"sv, u"和歌山"sv, u"大　阪"sv, u"兵　庫"sv, u"鳥　取"sv, u"島　根"sv,
    u"岡　山"sv, u"広　島"sv, u"山　口"sv, u"徳　島"sv, u"香　川"sv, u"愛　媛"sv, u"高　知"sv, u"福　岡"sv,
    u"佐　賀"sv, u"長　崎"sv, u"大　分"sv, u"熊　本"sv, u"宮　崎"sv, u"鹿児島"sv, u"沖　縄"sv};

// The Americas and Hawaii: Rows 8 to 10.
constexpr std::array kAmericasList{u"モントリオール"sv,
                                   u"夏モントリオール"sv,
                                   u"オタワ"sv,
                                   u"夏オタワ"sv,
                                   u"ホノルル"sv,
                                   u"サンフランシスコ"sv,
                                   u"夏サンフランシスコ"sv,
                                   u"ロサンゼルス"sv,
                                   u"夏ロサンゼルス"sv,
                                   u"シカゴ"sv,
                                   u"夏シカゴ"sv,
                                   u"ヒューストン"sv,
                                   u"夏ヒューストン"sv,
                                   u"ボストン"sv,
                                   u"夏ボストン"sv,
                                   u"ニューヨーク"sv,
                                   u"夏ニューヨーク"sv,
                                   u"ワシントンDC"sv,
                                   u"夏ワシントンDC"sv,
                                   u"マイアミ"sv,
                                   u"夏マイアミ"sv,
                                   u"メキシコシティー"sv,
                                   u"夏メキシコシティー"sv,
                                   u"リオデジャネイロ"sv,
                                   u"夏リオデジャネイロ"sv,
                                   u"ブエノスアイレス"sv,
                                   u"夏ブエノスアイレス"sv};

}  // namespace

// Frames of Rows 1-7 start 1080 twips apart, Rows 7-10 1200 apart. The home row
// has a wider time box (seconds) and a narrower date label (weekday appended).
const PerRow<RowLayout> kRows{{{
    {.frame = {.left = 0, .width = 1050},  // Row 1
     .cityWidth = 1080,
     .date = {.left = 120, .width = 756},
     .time = {.left = 120, .width = 750},
     .chooserWidth = 1050,
     .tabs = {.time = 6, .chooser = 7},
     .defaultCity = u"ロンドン",
     .chooserList = kEuropeList},
    {.frame = {.left = 1080, .width = 1050},  // Row 2
     .cityWidth = 1080,
     .date = {.left = 120, .width = 756},
     .time = {.left = 120, .width = 750},
     .chooserWidth = 1050,
     .tabs = {.time = 11, .chooser = 12},
     .defaultCity = u"パ　リ",
     .chooserList = kEuropeList},
    {.frame = {.left = 2160, .width = 1050},  // Row 3
     .cityWidth = 1080,
     .date = {.left = 120, .width = 756},
     .time = {.left = 120, .width = 750},
     .chooserWidth = 1050,
     .tabs = {.time = 16, .chooser = 17},
     .defaultCity = u"モスクワ",
     .chooserList = kEuropeList},
    {.frame = {.left = 3240, .width = 1050},  // Row 4
     .cityWidth = 1080,
     .date = {.left = 120, .width = 756},
     .time = {.left = 120, .width = 750},
     .chooserWidth = 1050,
     .tabs = {.time = 22, .chooser = 21},
     .defaultCity = u"ニューデリー",
     .chooserList = kRow4List},
    {.frame = {.left = 4320, .width = 1050},  // Row 5
     .cityWidth = 1080,
     .date = {.left = 120, .width = 756},
     .time = {.left = 120, .width = 750},
     .chooserWidth = 1050,
     .tabs = {.time = 26, .chooser = 27},
     .defaultCity = u"シンガポール",
     .chooserList = kRow5List},
    {.frame = {.left = 5400, .width = 1070},  // Row 6
     .cityWidth = 1000,
     .date = {.left = 150, .width = 700},
     .time = {.left = 0, .width = 1020},
     .chooserWidth = 1050,
     .tabs = {.time = 31, .chooser = 32},
     .defaultCity = u"東　京",
     .chooserList = kPrefectureList},
    {.frame = {.left = 6480, .width = 1176},  // Row 7
     .cityWidth = 1104,
     .date = {.left = 120, .width = 756},
     .time = {.left = 120, .width = 780},
     .chooserWidth = 1176,
     .tabs = {.time = 37, .chooser = 36},
     .defaultCity = u"シドニー",
     .chooserList = kRow7List},
    {.frame = {.left = 7680, .width = 1176},  // Row 8
     .cityWidth = 1200,
     .date = {.left = 120, .width = 756},
     .time = {.left = 120, .width = 780},
     .chooserWidth = 1176,
     .tabs = {.time = 41, .chooser = 42},
     .defaultCity = u"ホノルル",
     .chooserList = kAmericasList},
    {.frame = {.left = 8880, .width = 1176},  // Row 9
     .cityWidth = 1200,
     .date = {.left = 120, .width = 756},
     .time = {.left = 120, .width = 780},
     .chooserWidth = 1176,
     .tabs = {.time = 47, .chooser = 46},
     .defaultCity = u"ロサンゼルス",
     .chooserList = kAmericasList},
    {.frame = {.left = 10080, .width = 1176},  // Row 10
     .cityWidth = 1200,
     .date = {.left = 120, .width = 756},
     .time = {.left = 120, .width = 780},
     .chooserWidth = 1176,
     .tabs = {.time = 51, .chooser = 52},
     .defaultCity = u"ニューヨーク",
     .chooserList = kAmericasList},
}}};

}  // namespace orbalune::layout
