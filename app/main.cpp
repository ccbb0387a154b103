// Orbalune: chooses the display, builds the application and the real platform
// pieces, hands them to the one window, then runs until it closes.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

#include "platform/display_choice.h"
#include "platform/fontconfig_warm_up.h"
#include "platform/platform.h"
#include "platform/start_messages.h"
#include "window/application_setup.h"
#include "window/frm1.h"
#include "window/qt_colour_picker.h"

int main(int argc, char* argv[])
{
    const orbalune::DisplayChoice display = orbalune::ChooseDisplay();
    if (!display.available) {
        std::fprintf(stderr, "%s\n", display.why);
        return EXIT_FAILURE;
    }
    orbalune::UseDisplay(display);
    // One heap for every thread: the font warm-up and Qt's helper threads would
    // each keep an arena of their own, a few hundred KiB of mostly freed memory.
    // No other thread exists yet, so the call cannot race.
    mallopt(M_ARENA_MAX, 1);  // NOLINT(concurrency-mt-unsafe)

    std::jthread fontconfigWarmUp = orbalune::StartFontconfigWarmUp();
    QApplication app(argc, argv);
    orbalune::ReleaseStartMessages();
    fontconfigWarmUp.join();
    orbalune::PrepareApplication(app);

    orbalune::Frm1 window({orbalune::SystemClock(), orbalune::SystemTickTimer(),
                           std::make_unique<orbalune::QtColourPicker>(), orbalune::SystemStacking()});
    window.show();
    return QApplication::exec();
}
