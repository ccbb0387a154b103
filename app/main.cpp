// SPDX-License-Identifier: GPL-3.0-or-later
// Orbalune: answers --help and --version, chooses the display, builds the
// application and the real platform pieces, hands them to the one window, then
// runs until it closes.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "platform/display_choice.h"
#include "platform/fontconfig_warm_up.h"
#include "platform/platform.h"
#include "platform/session_bus_warm_up.h"
#include "platform/start_messages.h"
#include "window/application_setup.h"
#include "window/frm1.h"
#include "window/qt_colour_picker.h"

namespace {

int usage(const std::string& mistake)
{
    std::fprintf(stderr, "%s\n", orbalune::UsageLine(mistake).c_str());
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    const orbalune::CommandLine commandLine = orbalune::ReadCommandLine({argv, static_cast<std::size_t>(argc)});
    switch (commandLine.action) {
    case orbalune::CommandLine::Action::Help:
        std::fputs(orbalune::HelpText(ORBALUNE_VERSION).c_str(), stdout);
        return EXIT_SUCCESS;
    case orbalune::CommandLine::Action::Version:
        std::printf("orbalune %s\n", ORBALUNE_VERSION);
        return EXIT_SUCCESS;
    case orbalune::CommandLine::Action::Usage:
        return usage(commandLine.mistake);
    case orbalune::CommandLine::Action::Run:
        break;
    }
    const orbalune::DisplayChoice display =
        orbalune::ChooseDisplay(orbalune::ReadDisplaySituation(), commandLine.platform, commandLine.display);
    if (!display.available) {
        std::fprintf(stderr, "%s\n", display.why);
        return EXIT_FAILURE;
    }
    orbalune::UseDisplay(display);

    // The warm-up allocates hard while Qt's application object does. With malloc's
    // default of an arena a thread they do not queue on one heap's lock; a single
    // arena for all saved 92 KiB but cost about 1 ms of every start in that queue.
    std::jthread fontconfigWarmUp = orbalune::StartFontconfigWarmUp();
    QApplication app(argc, argv);  // takes its own options out of argv
    orbalune::ReleaseStartMessages();
    if (argc > 1) {  // one that looked like Qt's, but Qt did not take it
        return usage(argv[1]);
    }
    const std::jthread sessionBusWarmUp = orbalune::StartSessionBusWarmUp();  // joined before app goes
    fontconfigWarmUp.join();
    orbalune::PrepareApplication(app);

    orbalune::Frm1 window({orbalune::SystemClock(), orbalune::SystemTickTimer(),
                           std::make_unique<orbalune::QtColourPicker>(), orbalune::SystemStacking()});
    window.show();
    return QApplication::exec();
}
