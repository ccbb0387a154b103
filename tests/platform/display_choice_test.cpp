// SPDX-License-Identifier: GPL-3.0-or-later
// The command line and the choice of display, as pure functions of what they read.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/command_line.h"
#include "platform/display_choice.h"

using orbalune::CommandLine;
using Action = orbalune::CommandLine::Action;

namespace {

CommandLine read(std::vector<std::string> words)
{
    words.insert(words.begin(), "orbalune");
    std::vector<char*> arguments;
    for (std::string& word : words) {
        arguments.push_back(word.data());
    }
    return orbalune::ReadCommandLine(arguments);
}

}  // namespace

TEST(CommandLine, AnswersHelpAndVersionFirstAndLeavesQtItsOwn)
{
    struct Case {
        std::vector<std::string> words;
        Action action;
        std::string platform, display, mistake;
    };
    const Case cases[] = {
        {{}, Action::Run, "", "", ""},
        {{"--version"}, Action::Version, "", "", ""},
        {{"-v", "--bogus"}, Action::Version, "", "", "--bogus"},
        {{"--bogus", "--version", "-h"}, Action::Help, "", "", "--bogus"},
        {{"-platform", "offscreen"}, Action::Run, "offscreen", "", ""},
        {{"--platform=wayland", "-display", ":1"}, Action::Run, "wayland", ":1", ""},
        {{"-style", "fusion", "-reverse", "--sync"}, Action::Run, "", "", ""},
        {{"-platform"}, Action::Usage, "", "", "-platform"},  // no value to take
        {{"stray", "--bogus"}, Action::Usage, "", "", "stray"},
        {{"---style", "fusion"}, Action::Usage, "", "", "---style"},
        {{"-reverse=1"}, Action::Usage, "", "", "-reverse=1"},
        {{""}, Action::Usage, "", "", ""},
    };
    for (const Case& c : cases) {
        const CommandLine got = read(c.words);
        const std::string words = ::testing::PrintToString(c.words);
        EXPECT_EQ(got.action, c.action) << words;
        EXPECT_EQ(got.platform, c.platform) << words;
        EXPECT_EQ(got.display, c.display) << words;
        EXPECT_EQ(got.mistake, c.mistake) << words;
    }
}

TEST(DisplayChoice, XFirstThenWaylandWithItsPlugin)
{
    struct Case {
        orbalune::DisplaySituation situation;
        bool available;
        std::string platform, why;
    };
    const Case cases[] = {
        // Qt platform, X display, Wayland socket there, Wayland plugin there
        {{"offscreen", "", false, false}, true, "", ""},   {{"xcb", ":0", false, false}, true, "", ""},
        {{"", ":0", false, false}, true, "xcb", ""},       {{"", ":0", true, false}, true, "xcb", ""},
        {{"", ":0", true, true}, true, "xcb;wayland", ""}, {{"", "", true, true}, true, "wayland", ""},
        {{"", "", true, false}, false, "", "qt6-wayland"}, {{"", "", false, true}, false, "", "xvfb-run"},
        {{"", "", false, false}, false, "", "xvfb-run"},
    };
    for (const Case& c : cases) {
        const auto& s = c.situation;
        const std::string where = "platform '" + s.qtPlatform + "', display '" + s.x11Display + "', socket " +
                                  std::to_string(s.waylandSocket) + ", plugin " + std::to_string(s.waylandPlugin);
        const orbalune::DisplayChoice got = orbalune::ChooseDisplay(s);
        EXPECT_EQ(got.available, c.available) << where;
        EXPECT_EQ(got.platform, c.platform) << where;
        EXPECT_NE(std::string(got.why).find(c.why), std::string::npos) << where << ": " << got.why;
    }
}

TEST(DisplayChoice, FindsTheWaylandSocketAndPlugin)
{
    EXPECT_EQ(orbalune::WaylandSocketPath("wayland-0", "/run/user/1000"), "/run/user/1000/wayland-0");
    EXPECT_EQ(orbalune::WaylandSocketPath("/tmp/w-1", "/run/user/1000"), "/tmp/w-1");
    EXPECT_EQ(orbalune::WaylandSocketPath("/tmp/w-1", ""), "/tmp/w-1");
    EXPECT_EQ(orbalune::WaylandSocketPath("wayland-0", ""), "");
    EXPECT_EQ(orbalune::WaylandSocketPath("", "/run/user/1000"), "");
    EXPECT_TRUE(orbalune::IsWaylandPlatformPlugin("libqwayland-egl.so"));
    EXPECT_TRUE(orbalune::IsWaylandPlatformPlugin("libqwayland-generic.so"));
    EXPECT_FALSE(orbalune::IsWaylandPlatformPlugin("libqxcb.so"));
    EXPECT_FALSE(orbalune::IsWaylandPlatformPlugin("libqwayland-egl.so.debug"));
}
