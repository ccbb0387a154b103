// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the window shows at creation, in one place: rectangles in twips,
// colours, fonts, texts, tooltips, tab indices, stacking order, which controls
// a confirmed colour reaches, the chooser lists and the default cities. The
// window is built from these tables and nothing else.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/row.h"
#include "window/colours.h"
#include "window/twips.h"

namespace orbalune::layout {

inline constexpr Colour kLightGreen = 0x0080FF80;
inline constexpr Colour kSystemWindowText = 0x80000008;
inline constexpr Colour kBlack = 0x00000000;

enum class FontKind { WindowDefault, Bold105, Regular75 };

// The Windows face the layout was drawn with; mapped to a Japanese proportional
// gothic that is installed here (see fonts.cpp).
inline constexpr std::u16string_view kLayoutFace = u"ＭＳ Ｐゴシック";

struct Window {
    std::u16string_view caption;
    TwipsRect client;  // on the screen
};
inline constexpr Window kWindow{.caption = u"Orbalune",
                                .client = {.left = 495, .top = 720, .width = 11415, .height = 1440}};

inline constexpr int kShortOuterHeight = 1180;  // title bar and borders included
inline constexpr int kTallOuterHeight = 1220;

struct Button {
    std::string_view name;
    TwipsRect rect;
    std::u16string_view caption;
    FontKind font;
    std::u16string_view tooltip;
    int tabIndex;
};

inline constexpr Button kCmdFm{.name = "cmdFm",
                               .rect = {.left = 50, .top = 530, .width = 100, .height = 180},
                               .caption = u"",
                               .font = FontKind::WindowDefault,
                               .tooltip = u"フォームを下へ伸ばします",
                               .tabIndex = 55};
inline constexpr Button kCmdEND{.name = "cmdEND",
                                .rect = {.left = 7510, .top = 350, .width = 210, .height = 336},
                                .caption = u"E",
                                .font = FontKind::Regular75,
                                .tooltip = u"終ります",
                                .tabIndex = 1};
inline constexpr Button kCmdMae{.name = "cmdMae",
                                .rect = {.left = 11250, .top = 530, .width = 100, .height = 180},
                                .caption = u"",
                                .font = FontKind::WindowDefault,
                                .tooltip = u"常に前面に置きます",
                                .tabIndex = 4};
inline constexpr Button kCmdHaikei{.name = "cmdHaikei",
                                   .rect = {.left = 11250, .top = 290, .width = 100, .height = 180},
                                   .caption = u"",
                                   .font = FontKind::WindowDefault,
                                   .tooltip = u"背景色を変えます",
                                   .tabIndex = 3};
inline constexpr Button kCmdMoji{.name = "cmdMoji",
                                 .rect = {.left = 11250, .top = 50, .width = 100, .height = 180},
                                 .caption = u"",
                                 .font = FontKind::WindowDefault,
                                 .tooltip = u"文字色を変えます",
                                 .tabIndex = 2};

struct FocusBox {
    std::string_view name;
    TwipsRect rect;
    Colour text;  // its background is the window's (kLayoutColours)
    FontKind font;
    int tabIndex;
};
// Borderless, in the window's colour: invisible, it only holds the focus at start.
inline constexpr FocusBox kTxtTIdx{.name = "txtTIdx",
                                   .rect = {.left = 7570, .top = 120, .width = 60, .height = 180},
                                   .text = kBlack,
                                   .font = FontKind::Regular75,
                                   .tabIndex = 0};

// Controls placed directly on the window, topmost first; "fram1" stands for
// the ten Row frames, fram1(10) on top of fram1(1).
inline constexpr std::array<std::string_view, 7> kStackingTopFirst{"cmdFm",  "txtTIdx",   "cmdEND", "fram1",
                                                                   "cmdMae", "cmdHaikei", "cmdMoji"};

// Inside every Row frame, whatever the Row: tops and heights.
inline constexpr int kFrameTop = 0;
inline constexpr int kFrameHeight = 1100;
inline constexpr int kCityTop = 80;
inline constexpr int kCityHeight = 180;
inline constexpr int kDateTop = 300;
inline constexpr int kDateHeight = 204;
inline constexpr int kTimeTop = 450;
inline constexpr int kTimeHeight = 200;
inline constexpr int kChooserTopAtCreation = 720;
inline constexpr int kChooserTopWhileChoosing = 0;
inline constexpr int kChooserHeight = 276;
inline constexpr int kChooserVisibleEntries = 20;  // an open list shows this many, then scrolls
inline constexpr std::u16string_view kUnsetText = u"===";

// The two colours the colour buttons change, as the layout shows them: every
// control that either colour reaches shows it from its creation on.
inline constexpr ShownColours kLayoutColours{.background = kLightGreen, .text = kSystemWindowText};

// Which of the two colours each control takes when the user confirms one. The
// city and date labels take no background: they are transparent, so their
// frame's colour shows behind them.
enum class Coloured { Window, CmdMoji, CmdHaikei, CmdMae, CmdFm, CmdEND, TxtTIdx, Frame, Chooser, City, Date, Time };
struct ColourReach {
    Coloured control;
    bool background;
    bool text;
};
inline constexpr std::array<ColourReach, 12> kColourReach{{{Coloured::Window, true, false},
                                                           {Coloured::CmdMoji, true, false},
                                                           {Coloured::CmdHaikei, true, false},
                                                           {Coloured::CmdMae, true, false},
                                                           {Coloured::CmdFm, true, false},
                                                           {Coloured::CmdEND, true, false},
                                                           {Coloured::TxtTIdx, true, false},
                                                           {Coloured::Frame, true, false},
                                                           {Coloured::Chooser, true, true},
                                                           {Coloured::City, false, true},
                                                           {Coloured::Date, false, true},
                                                           {Coloured::Time, true, true}}};
constexpr ColourReach ReachOf(Coloured control)
{
    return *std::ranges::find(kColourReach, control, &ColourReach::control);
}

// The two controls of a Row that take the focus, and where each stands in the tab order.
struct RowTabs {
    int time;
    int chooser;
};

// A left edge and a width within the Row's frame (or the window, for the frame).
struct Span {
    int left;
    int width;
};

// What differs from Row to Row: left edges and widths, tab indices, the city.
struct RowLayout {
    Span frame;
    int cityWidth;  // the city label and the chooser start at the frame's left edge
    Span date;
    Span time;
    int chooserWidth;
    RowTabs tabs;
    std::u16string_view defaultCity;
    std::span<const std::u16string_view> chooserList;
};

extern const PerRow<RowLayout> kRows;

// Start-up captions: the northern one for April to October.
inline constexpr std::u16string_view kNorthernCaption =
    u"Orbalune　(4月-10月：北半球は夏時間に御注意！)  /　(都市名はクリックで変更できます)";
inline constexpr std::u16string_view kSouthernCaption =
    u"Orbalune　(10月-3月：南半球は夏時間に御注意！)　/　(都市名はクリックで変更できます)";

inline constexpr Row kHonoluluRow = Row::number(8);
inline constexpr std::u16string_view kHonolulu = u"ホノルル";
inline constexpr std::u16string_view kHonoluluTooltip = u"ハワイは夏時間を使ってません";

// cmdMae's caption and tooltip after a click, by the new state.
inline constexpr std::u16string_view kMaeTopmostCaption = u"元へ";
inline constexpr std::u16string_view kMaeTopmostTooltip = u"常に前面をキャンセルします";
inline constexpr std::u16string_view kMaeNormalCaption = u"前へ";
inline constexpr std::u16string_view kMaeNormalTooltip = u"常に前面に置きます";

}  // namespace orbalune::layout
