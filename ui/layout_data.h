#pragma once
// Everything the window shows at creation, in one place: rectangles in twips,
// colours as 0x00BBGGRR, fonts, texts, tooltips, tab indices, stacking order,
// the chooser lists and the default cities. The window is built from these
// tables and nothing else.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "twips.h"

namespace orbalune::layout {

using Colour = std::uint32_t;  // 0x00BBGGRR, or 0x800000nn for system colour nn

inline constexpr Colour kLightGreen = 0x0080FF80;
inline constexpr Colour kLightCyan = 0x00FFFF80;
inline constexpr Colour kSystemWindowBackground = 0x80000005;
inline constexpr Colour kSystemWindowText = 0x80000008;
inline constexpr Colour kBlack = 0x00000000;

enum class FontKind { WindowDefault, Bold105, Regular75 };

// The Windows face the layout was drawn with; mapped to a Japanese proportional
// gothic that is installed here (see fonts.cpp).
inline constexpr std::u16string_view kLayoutFace = u"ＭＳ Ｐゴシック";

struct Window {
    std::u16string_view caption;
    int clientWidth;
    int clientHeight;
    int clientLeft;  // on the screen
    int clientTop;
    Colour background;
};
inline constexpr Window kWindow{u"Orbalune", 11415, 1440, 495, 720, kLightGreen};

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

inline constexpr Button kCmdFm{"cmdFm", {50, 530, 100, 180}, u"", FontKind::WindowDefault,
                               u"フォームを下へ伸ばします", 55};
inline constexpr Button kCmdEND{"cmdEND", {7510, 350, 210, 336}, u"E", FontKind::Regular75, u"終ります", 1};
inline constexpr Button kCmdMae{"cmdMae", {11250, 530, 100, 180}, u"", FontKind::WindowDefault,
                                u"常に前面に置きます", 4};
inline constexpr Button kCmdHaikei{"cmdHaikei", {11250, 290, 100, 180}, u"", FontKind::WindowDefault,
                                   u"背景色を変えます", 3};
inline constexpr Button kCmdMoji{"cmdMoji", {11250, 50, 100, 180}, u"", FontKind::WindowDefault,
                                 u"文字色を変えます", 2};

struct FocusBox {
    std::string_view name;
    TwipsRect rect;
    Colour background;
    Colour text;
    FontKind font;
    int tabIndex;
};
// Borderless, in the window's colour: invisible, it only holds the focus at start.
inline constexpr FocusBox kTxtTIdx{"txtTIdx", {7570, 120, 60, 180}, kLightGreen, kBlack, FontKind::Regular75, 0};

// Controls placed directly on the window, topmost first; "fram1" stands for
// the ten Row frames, fram1(10) on top of fram1(1).
inline constexpr std::array<std::string_view, 8> kStackingTopFirst{
    "cmdFm", "txtTIdx", "cmdEND", "fram1", "cmdMae", "cmdHaikei", "cmdMoji", "tmr00"};

// Inside every Row frame, whatever the Row.
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
inline constexpr std::u16string_view kUnsetText = u"===";

inline constexpr Colour kRowBackground = kLightGreen;       // frame, chooser, time box
inline constexpr Colour kCityHeldBackground = kSystemWindowBackground;  // held, never seen: transparent
inline constexpr Colour kDateHeldBackground = kLightCyan;   // held, never seen: transparent
inline constexpr Colour kRowText = kSystemWindowText;

struct RowTabs {
    int frame, time, chooser, date, city;
};

struct Row {
    int frameLeft;
    int frameWidth;
    int cityWidth;
    int dateLeft;
    int dateWidth;
    int timeLeft;
    int timeWidth;
    int chooserWidth;
    RowTabs tabs;
    std::u16string_view defaultCity;
    std::span<const std::u16string_view> chooserList;
};

extern const std::array<Row, 10> kRows;  // index 0 is Row 1

// Start-up captions: the northern one for April to October.
inline constexpr std::u16string_view kNorthernCaption =
    u"Orbalune　(4月-10月：北半球は夏時間に御注意！)  /　(都市名はクリックで変更できます)";
inline constexpr std::u16string_view kSouthernCaption =
    u"Orbalune　(10月-3月：南半球は夏時間に御注意！)　/　(都市名はクリックで変更できます)";

inline constexpr int kHonoluluRow = 8;
inline constexpr std::u16string_view kHonolulu = u"ホノルル";
inline constexpr std::u16string_view kHonoluluTooltip = u"ハワイは夏時間を使ってません";

// cmdMae's caption and tooltip after a click, by the new state.
inline constexpr std::u16string_view kMaeTopmostCaption = u"元へ";
inline constexpr std::u16string_view kMaeTopmostTooltip = u"常に前面をキャンセルします";
inline constexpr std::u16string_view kMaeNormalCaption = u"前へ";
inline constexpr std::u16string_view kMaeNormalTooltip = u"常に前面に置きます";

}  // namespace orbalune::layout
