// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
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
}

}  // namespace orbalune
