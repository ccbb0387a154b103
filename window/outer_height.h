// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's outer height (title bar and borders included) is laid out in
// twips, but the window manager decides the decoration: this turns one into the
// client height that the toolkit can set.

#include <QtGlobal>

namespace orbalune {

// The client height, in logical pixels, that gives the window an outer height of
// `outerTwips` under a decoration `decorationPx` device pixels high (top and bottom
// together). Worked out in device pixels, so that it is right at any scale.
// A decoration taller than the layout allowed for would cut off the time boxes:
// then every height grows by just what they need, so the two heights keep their
// difference.
int ClientHeightFor(int outerTwips, int decorationPx, qreal logicalDpi, qreal devicePixelRatio);

}  // namespace orbalune
