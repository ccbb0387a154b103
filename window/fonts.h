// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include "window/layout_data.h"

namespace orbalune {

// Chooses the installed face that stands in for the layout's Windows face and makes
// it the application font. Call once after the QApplication exists.
void InstallJapaneseFonts();

QFont LayoutFont(layout::FontKind kind);

}  // namespace orbalune
