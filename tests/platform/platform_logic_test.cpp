// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's rules as pure functions of what they read (the command line, the choice of display, the
// window manager's frame extents and size hints), and the start-up messages held back from every thread.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <latch>
#include <thread>
#include <unistd.h>

#include "platform/command_line.h"
#include "platform/display_choice.h"
#include "platform/ewmh_frame_extents.h"
#include "platform/start_messages.h"
#include "platform/timerfd_tick_timer.h"
#include "platform/toolkit_decoration.h"
#include "platform/window_manager_hints.h"

namespace {

// What a command line means, as "action platform display mistake".
std::string meaning(const QString& line)
{
    std::vector<std::string> words{"orbalune"};
    for (const QString& word : line.split(' ', Qt::SkipEmptyParts)) {
        words.push_back(word == "''" ? "" : word.toStdString());
    }
    std::vector<char*> arguments;
    for (std::string& word : words) {
        arguments.push_back(word.data());
    }
    const orbalune::CommandLine read = orbalune::ReadCommandLine(arguments);
    const char* actions[] = {"run", "help", "version", "usage"};
    return std::string(actions[static_cast<int>(read.action)]) + " '" + read.platform + "' '" + read.display + "' '" +
           read.mistake + "'";
}

template <std::size_t N>
std::vector<std::byte> bytes(const std::array<std::uint32_t, N>& fields)
{
    std::vector<std::byte> out(sizeof fields);
    std::memcpy(out.data(), fields.data(), sizeof fields);
    return out;
}

}  // namespace

TEST(CommandLine, AnswersHelpAndVersionFirstAndLeavesQtItsOwn)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "run '' '' ''"},
        {"--version", "version '' '' ''"},
        {"-v --bogus", "version '' '' '--bogus'"},
        {"--bogus --version -h", "help '' '' '--bogus'"},
        {"-platform offscreen", "run 'offscreen' '' ''"},
        {"--platform=wayland -display :1", "run 'wayland' ':1' ''"},
        {"-style fusion -reverse --sync", "run '' '' ''"},
        {"-platform", "usage '' '' '-platform'"},  // no value to take
        {"stray --bogus", "usage '' '' 'stray'"},
        {"---style fusion", "usage '' '' '---style'"},
        {"-reverse=1", "usage '' '' '-reverse=1'"},
        {"''", "usage '' '' ''"},
    };
    for (const auto& [line, want] : cases) {
        EXPECT_EQ(meaning(line), want) << "orbalune " << line;
    }
}

TEST(DisplayChoice, XFirstThenWaylandWithItsPlugin)
{
    const std::pair<orbalune::DisplaySituation, std::string> cases[] = {
        // Qt platform, X display, a Wayland socket there, Qt's Wayland plugin there
        {{"offscreen", "", false, false}, "Qt's own"},
        {{"xcb", ":0", false, false}, "Qt's own"},
        {{"", ":0", false, false}, "xcb"},
        {{"", ":0", true, false}, "xcb"},
        {{"", ":0", true, true}, "xcb;wayland"},
        {{"", "", true, true}, "wayland"},
        {{"", "", true, false}, "no: qt6-wayland"},
        {{"", "", false, true}, "no: xvfb-run"},
        {{"", "", false, false}, "no: xvfb-run"},
    };
    const auto chosen = [](const orbalune::DisplaySituation& s, const orbalune::CommandLine& line) {
        const orbalune::DisplayChoice got = orbalune::ChooseDisplay(s, line);
        const std::string why = got.why, hint = why.find("qt6-wayland") != why.npos ? "qt6-wayland" : "xvfb-run";
        return got.available ? (got.platform.empty() ? "Qt's own" : got.platform) : "no: " + hint;
    };
    for (const auto& [s, want] : cases) {
        EXPECT_EQ(chosen(s, {}), want) << "platform '" << s.qtPlatform << "', display '" << s.x11Display << "', socket "
                                       << s.waylandSocket << ", plugin " << s.waylandPlugin;
    }
    orbalune::CommandLine line;
    line.display = ":1";
    EXPECT_EQ(chosen({}, line), "xcb") << "-display alone";
    line.platform = "offscreen";
    EXPECT_EQ(chosen({}, line), "Qt's own") << "-platform alone";
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
    std::vector<int> looks{20};
    while (const auto next = orbalune::NextLookAfter(looks.back())) {
        looks.push_back(*next);
    }
    EXPECT_EQ(looks, (std::vector{20, 40, 80, 160, 320, 640, 1280, 2560}));
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
    std::FILE* printed = std::tmpfile();
    const int stderrCopy = dup(STDERR_FILENO);
    dup2(fileno(printed), STDERR_FILENO);
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
    orbalune::ReleaseStartMessages();
    std::fflush(stderr);
    dup2(stderrCopy, STDERR_FILENO);
    std::rewind(printed);
    int lines = 0;
    for (int c = 0; (c = std::fgetc(printed)) != EOF;) {
        lines += c == '\n' ? 1 : 0;
    }
    EXPECT_EQ(lines, kThreads * kEach) << "lines printed";
}
