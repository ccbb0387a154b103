// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: --help and --version, answered before anything else, and
// Qt's own options, left for Qt to take; of these, -platform and -display also
// choose the display. Anything else is a mistake the user should hear about.

#include <span>
#include <string>

namespace orbalune {

struct CommandLine {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    std::string platform;  // -platform NAME: the platform Qt is to use
    std::string display;   // -display NAME: the X display
    std::string mistake;   // for Usage: the argument not understood
};

CommandLine ReadCommandLine(std::span<char* const> arguments);  // arguments[0] is the program

// What --help prints, and the one line a mistake earns.
std::string HelpText(std::string_view version);
std::string UsageLine(const std::string& mistake);

}  // namespace orbalune
