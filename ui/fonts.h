#pragma once

#include <QFont>
#include <thread>

#include "layout_data.h"

namespace orbalune {

// Chooses the installed face that stands in for the layout's Windows face and makes
// it the application font. Call once after the QApplication exists.
void InstallJapaneseFonts();

QFont LayoutFont(layout::FontKind kind);

// Fontconfig loads its configuration and caches on first use, work the window's
// first text would otherwise wait for. Started before the QApplication, it runs
// while the application connects to the display; join it before any font is used.
[[nodiscard]] std::jthread StartFontconfigWarmUp();

}  // namespace orbalune
