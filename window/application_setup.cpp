// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmapCache>
#include <QTranslator>

#include "window/fonts.h"

namespace orbalune {

void PrepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Orbalune"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.orbalune.Orbalune"));

    // The user reads Japanese: Qt's own texts (the colour dialog, context menus) too.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexts);
    }
    InstallJapaneseFonts();
    // No room in Qt's pixmap cache, so nothing is kept there. The style keeps a
    // chooser's look there under a name that holds its palette, and each colour
    // the user picks is a new palette; Qt 6.4 keeps every name it was given for
    // good, even once the pixmap is dropped, so the heap would grow with each
    // colour. Only a refused pixmap leaves no name. Nothing else is lost: the
    // icon's scaled copies for the X server are never read again, and a cache
    // with nothing in it has no timer to wake the program every 30 s.
    QPixmapCache::setCacheLimit(0);
}

}  // namespace orbalune
