// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's rules as pure functions of what they read (the choice of display, the
// window manager's frame extents and size hints), and the start-up messages held back from every thread.

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cstring>
#include <latch>
#include <thread>

#include "platform/display_choice.h"
#include "platform/ewmh_frame_extents.h"
#include "platform/start_messages.h"
#include "platform/timerfd_tick_timer.h"
#include "platform/toolkit_decoration.h"
#include "platform/window_manager_hints.h"

namespace {

template <std::size_t N>
std::vector<std::byte> bytes(const std::array<std::uint32_t, N>& fields)
{
    std::vector<std::byte> out(sizeof fields);
    std::memcpy(out.data(), fields.data(), sizeof fields);
    return out;
}

}  // namespace

TEST(DisplayChoice, XFirstThenWaylandWithItsPlugin)
{
    struct Case {
        orbalune::DisplaySituation situation;  // Qt platform, X display, a Wayland socket there, its plugin there
        const char* askedPlatform;             // -platform
        const char* askedDisplay;              // -display
        std::string want;
    };
    const Case cases[] = {
        {{"offscreen", "", false, false}, "", "", "Qt's own"},
        {{"xcb", ":0", false, false}, "", "", "Qt's own"},
        {{"", ":0", false, false}, "", "", "xcb"},
        {{"", ":0", true, false}, "", "", "xcb"},
        {{"", ":0", true, true}, "", "", "xcb;wayland"},
        {{"", "", true, true}, "", "", "wayland"},
        {{"", "", true, false}, "", "", "no: qt6-wayland"},
        {{"", "", false, true}, "", "", "no: xvfb-run"},
        {{"", "", false, false}, "", "", "no: xvfb-run"},
        {{"", "", false, false}, "", ":1", "xcb"},
        {{"", "", false, false}, "offscreen", ":1", "Qt's own"},
    };
    for (const auto& [s, platform, display, want] : cases) {
        const orbalune::DisplayChoice got = orbalune::ChooseDisplay(s, platform, display);
        const std::string why = got.why, hint = why.find("qt6-wayland") != why.npos ? "qt6-wayland" : "xvfb-run";
        EXPECT_EQ(got.available ? (got.platform.empty() ? "Qt's own" : got.platform) : "no: " + hint, want)
            << "platform '" << s.qtPlatform << "', display '" << s.x11Display << "', socket " << s.waylandSocket
            << ", plugin " << s.waylandPlugin << ", -platform '" << platform << "', -display '" << display << "'";
    }
}

TEST(DisplayChoice, FindsTheWaylandSocketAndPlugin)
{
    EXPECT_EQ(orbalune::WaylandSocketPath("wayland-0", "/run/user/1000"), "/run/user/1000/wayland-0");
    EXPECT_EQ(orbalune::WaylandSocketPath("/tmp/w-1", "/run/user/1000"), "/tmp/w-1");
    EXPECT_EQ(orbalune::WaylandSocketPath("/tmp/w-1", ""), "/tmp/w-1") << "absolute, without a runtime folder";
    EXPECT_EQ(orbalune::WaylandSocketPath("wayland-0", ""), "");
    EXPECT_EQ(orbalune::WaylandSocketPath("", "/run/user/1000"), "");
    EXPECT_TRUE(orbalune::IsWaylandPlatformPlugin("libqwayland-egl.so"));
    EXPECT_FALSE(orbalune::IsWaylandPlatformPlugin("libqxcb.so"));
    EXPECT_FALSE(orbalune::IsWaylandPlatformPlugin("libqwayland-egl.so.debug"));
}

TEST(WindowManagerHints, FrameExtentsGiveTopAndBottom)
{
    const auto extents = bytes(std::array<std::uint32_t, 4>{1, 2, 30, 4});  // left, right, top, bottom
    EXPECT_EQ(orbalune::FrameExtentsHeight(32, extents), 34);
    EXPECT_EQ(orbalune::FrameExtentsHeight(8, extents), std::nullopt) << "8-bit fields";
    EXPECT_EQ(orbalune::FrameExtentsHeight(32, std::span(extents).first(12)), std::nullopt) << "three fields";
}

TEST(WindowManagerHints, OnlyTheHeightLimitsOfAFixedWindowChange)
{
    std::array<std::uint32_t, 18> fixed{(1U << 4U) | (1U << 5U) | 1U};  // minimum, maximum size and a position
    for (std::uint32_t i = 1; i < fixed.size(); ++i) {
        fixed.at(i) = 100 + i;
    }
    auto want = fixed;
    want[6] = want[8] = 79;  // minimum and maximum height
    const auto given = bytes(fixed);
    EXPECT_EQ(orbalune::FixedHeightHints(32, given, 79), want);
    EXPECT_EQ(orbalune::FixedHeightHints(32, std::span(given).first(68), 79), std::nullopt) << "17 fields";
    for (const std::uint32_t flags : {1U << 4U, 1U << 5U}) {
        fixed[0] = flags;
        EXPECT_EQ(orbalune::FixedHeightHints(32, bytes(fixed), 79), std::nullopt) << "flags " << flags;
    }
}

TEST(Timers, TickOnAnythingButNothingYet)
{
    EXPECT_TRUE(orbalune::TickIsDue(8, 0)) << "the second arrived";
    EXPECT_TRUE(orbalune::TickIsDue(-1, ECANCELED)) << "the clock was set";
    EXPECT_FALSE(orbalune::TickIsDue(-1, EAGAIN)) << "nothing yet";
}

TEST(Timers, ToolkitLooksAtTheFrameEverLaterUntilItSettles)
{
    int wait = 20, after = 20;  // the first look 20 ms after a show
    for (auto next = orbalune::NextLookAfter(wait); next; next = orbalune::NextLookAfter(wait)) {
        ASSERT_GT(*next, wait) << "the wait after the look " << after << " ms after a show";
        wait = *next;
        after += wait;
    }
    // Long enough for a window manager that frames late, and then no more timers.
    EXPECT_TRUE(after >= 2000 && after <= 6000) << "the last look " << after << " ms after a show, not in 2 to 6 s";
}

TEST(WindowManagerHints, TheFrameIsAwaitedUntilAnsweredOrDue)
{
    int asked = 0;
    const auto soon = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    EXPECT_TRUE(orbalune::AwaitAnswer([&] { return ++asked == 3; }, soon)) << "answered at the third look";
    EXPECT_EQ(asked, 3) << "looks";
    EXPECT_FALSE(orbalune::AwaitAnswer([] { return false; }, std::chrono::steady_clock::now())) << "never answered";
}

TEST(WindowManagerHints, DecorationIsNoShadowAndNoNothing)
{
    EXPECT_EQ(orbalune::DecorationFromMargins(100, 79, 1), 21);
    EXPECT_EQ(orbalune::DecorationFromMargins(100, 79, 1.5), 32) << "in device pixels";
    EXPECT_EQ(orbalune::DecorationFromMargins(79, 79, 1), 0) << "no frame";
    EXPECT_EQ(orbalune::DecorationFromMargins(200, 79, 1), 0) << "a frame with a shadow";
}

// Qt logs from its own threads while the program connects: held back, none lost, all printed on release.
TEST(StartMessages, HeldBackFromEveryThread)
{
    testing::internal::CaptureStderr();
    orbalune::GuardStart("no display");
    constexpr int kThreads = 8, kEach = 20000;
    std::latch start(kThreads);  // all at once, for the most contention
    std::vector<std::jthread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&start] {
            start.arrive_and_wait();
            for (int i = 0; i < kEach; ++i) {
                qInfo("message %d", i);
            }
        });
    }
    threads.clear();  // joins them
    EXPECT_EQ(std::ranges::count(testing::internal::GetCapturedStderr(), '\n'), 0) << "lines before the release";
    testing::internal::CaptureStderr();
    orbalune::ReleaseStartMessages();
    EXPECT_EQ(std::ranges::count(testing::internal::GetCapturedStderr(), '\n'), kThreads * kEach) << "lines printed";
}
