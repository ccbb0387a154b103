#pragma once

#include <QFont>

#include "layout_data.h"

namespace orbalune {

// Maps the layout's Windows face to the Japanese proportional gothics a Linux
// desktop has (fontconfig alone would fall back to a Latin face) and makes it the
// application font. Call once after the QApplication exists.
void InstallJapaneseFonts();

QFont LayoutFont(layout::FontKind kind);

}  // namespace orbalune
