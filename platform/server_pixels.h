// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace orbalune {

// On X11 a window's pixels live in memory shared with the X server, and Qt,
// before it paints over pixels it has just shown, waits a round trip until the
// server has read them. Called right after each repaint, this takes that wait
// then, while nothing is due, and leaves the pixels untouched. Nothing elsewhere.
void LetServerFinishReading(QWidget& window);

}  // namespace orbalune
