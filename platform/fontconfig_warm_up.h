// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace orbalune {

// Fontconfig loads its configuration and caches on first use, work the window's
// first text would otherwise wait for. Started before the QApplication, it runs
// while the application connects to the display; join it before any font is used.
[[nodiscard]] std::jthread StartFontconfigWarmUp();

}  // namespace orbalune
