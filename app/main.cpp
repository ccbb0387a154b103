// Orbalune: builds the application and its one window, then runs until it closes.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "fonts.h"
#include "frm1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbalune"));
    QApplication::setDesktopFileName(QStringLiteral("orbalune"));

    // The user reads Japanese: Qt's own texts (the colour dialog, context menus) too.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    orbalune::InstallJapaneseFonts();

    orbalune::Frm1 window(orbalune::WindowSeams::system());
    window.show();
    return QApplication::exec();
}
