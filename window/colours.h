// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour is one 32-bit value from the layout tables through the colour dialog
// and the window state to the palettes: 0x00BBGGRR, red in the low byte, as the
// colour dialog returns it; 0x800000nn names the desktop's system colour nn. It
// becomes Qt's colour here only, so that red never ends up in the blue byte.

#include <QColor>
#include <cstdint>

class QWidget;

namespace orbalune {

using Colour = std::uint32_t;

// The two colours the colour buttons change, as last applied.
struct ShownColours {
    Colour background;
    Colour text;
};

// A system colour is taken from the application's palette.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

// Background through the palette: the window, frames, buttons, text boxes, choosers.
void SetBackgroundColour(QWidget& widget, Colour colour);
void SetTextColour(QWidget& widget, Colour colour);

}  // namespace orbalune
