// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace orbalune {

// The window's own 32 x 32, 16-colour icon.
QIcon OrbaluneIcon();

}  // namespace orbalune
