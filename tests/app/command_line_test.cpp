// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help and --version first, Qt's own options left to Qt, anything else a mistake named.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "app/command_line.h"

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
