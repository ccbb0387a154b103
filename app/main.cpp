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
        std::fprintf(stderr, "%s\n", orbalune::NoDisplayMessage());
        return EXIT_FAILURE;
    }
    if (!display.platform.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(display.platform));
    }

    std::jthread fontconfigWarmUp = orbalune::StartFontconfigWarmUp();
    QApplication app(argc, argv);
    fontconfigWarmUp.join();
    orbalune::PrepareApplication(app);

    orbalune::Frm1 window(orbalune::WindowSeams::system());
    window.show();
    return QApplication::exec();
}
