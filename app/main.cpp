// Orbalune: builds the application and its one window, then runs until it closes.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

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
    if (!display.platform.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(display.platform));
        orbalune::GuardStart(display.why);
    }
    if (display.platform.starts_with("xcb") && !qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
        // Every size is laid out in twips and every font in points, so the window
        // scales with the display's DPI by itself. Left to Qt, a 200 % X desktop
        // becomes 96 DPI at twice the pixels, and Qt 6.4 then tells screen readers
        // where each control is in those units: at half its real place and size.
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }

    std::jthread fontconfigWarmUp = orbalune::StartFontconfigWarmUp();
    QApplication app(argc, argv);
    orbalune::ReleaseStartMessages();
    fontconfigWarmUp.join();
    orbalune::PrepareApplication(app);

    orbalune::Frm1 window(orbalune::WindowSeams::system());
    window.show();
    return QApplication::exec();
}
