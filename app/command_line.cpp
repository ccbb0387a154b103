// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orbalune {

namespace {

using namespace std::string_view_literals;

// Qt's own options (QGuiApplication, QApplication and the X11 platform), written
// with one dash or two, as Qt takes them.
constexpr std::array kQtOptionsWithValue{"platform"sv,
                                         "platformpluginpath"sv,
                                         "platformtheme"sv,
                                         "plugin"sv,
                                         "qwindowgeometry"sv,
                                         "qwindowicon"sv,
                                         "qwindowtitle"sv,
                                         "session"sv,
                                         "display"sv,
                                         "geometry"sv,
                                         "name"sv,
                                         "title"sv,
                                         "visual"sv,
                                         "style"sv,
                                         "stylesheet"sv,
                                         "qmljsdebugger"sv,
                                         "dialogs"sv,
                                         "fontengine"sv};
constexpr std::array kQtFlags{"reverse"sv, "widgetcount"sv, "nograb"sv, "dograb"sv, "sync"sv};

bool contains(std::span<const std::string_view> names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CommandLine ReadCommandLine(std::span<char* const> arguments)
{
    CommandLine out;
    bool help = false;
    bool version = false;
    bool mistaken = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        help = help || argument == "--help" || argument == "-h";
        version = version || argument == "--version" || argument == "-v";
        std::string_view option = argument;
        option.remove_prefix(std::min(option.find_first_not_of('-'), option.size()));
        const bool dashed = argument.size() - option.size() == 1 || argument.size() - option.size() == 2;
        const std::size_t equals = option.find('=');
        const std::string_view name = option.substr(0, equals);
        const bool inline_value = equals != std::string_view::npos;
        if (argument == "--help" || argument == "-h" || argument == "--version" || argument == "-v" ||
            (dashed && !inline_value && contains(kQtFlags, name))) {
            continue;
        }
        if (dashed && contains(kQtOptionsWithValue, name) && (inline_value || i + 1 < arguments.size())) {
            const std::string value(inline_value ? option.substr(equals + 1) : std::string_view(arguments[++i]));
            if (name == "platform") {
                out.platform = value;
            } else if (name == "display") {
                out.display = value;
            }
            continue;
        }
        if (!mistaken) {  // the first one is named
            mistaken = true;
            out.mistake = argument;
        }
    }
    out.action = help       ? CommandLine::Action::Help
                 : version  ? CommandLine::Action::Version
                 : mistaken ? CommandLine::Action::Usage
                            : CommandLine::Action::Run;
    return out;
}

std::string HelpText(std::string_view version)
{
    return "orbalune " + std::string(version) +
           ": a world clock of ten cities, in Japanese\n"
           "\n"
           "Usage: orbalune [--help | --version] [Qt's options]\n"
           "\n"
           "One wide, low window shows ten cities side by side: city name, date (mm/dd)\n"
           "and time (hh:mm), refreshed on every second; the sixth is home, with the\n"
           "weekday and the seconds. Click a city name to choose another city; the small\n"
           "buttons change the text and background colours, keep the window on top and\n"
           "switch its height; E or Esc quits. Nothing is stored.\n"
           "\n"
           "  -h, --help        print this help and exit\n"
           "  -v, --version     print the version and exit\n"
           "  -display NAME     the X display to show the window on\n"
           "  -platform NAME    Qt's platform to use (xcb, wayland, offscreen, ...)\n"
           "  -style NAME, ...  any other option of Qt's, as qt6options(7) lists them\n"
           "\n"
           "See orbalune(1).\n";
}

std::string UsageLine(const std::string& mistake)
{
    return "orbalune: '" + mistake +
           "' is no option of orbalune's; usage: orbalune [--help | --version] "
           "[-display NAME] [-platform NAME] [Qt's options]";
}

}  // namespace orbalune
