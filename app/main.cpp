// Orbalune: builds the application and its one window, then runs until it closes.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

#include "application_setup.h"
#include "display_choice.h"
#include "fonts.h"
#include "frm1.h"

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

    orbalune::Frm1 window(orbalune::WindowSeams::system());
    window.show();
    return QApplication::exec();
}
