// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours are kept as the 32-bit 0x00BBGGRR values the window state holds and
// converted to Qt here only, so that red never ends up in the blue byte.

#include <QColor>
#include <cstdint>

class QPalette;
class QWidget;

namespace orbalune {

QColor ColourFromBgr(std::uint32_t bgr);
std::uint32_t BgrFromColour(const QColor& colour);

// 0x800000nn names a system colour: taken from the given (application) palette.
QColor ResolveLayoutColour(std::uint32_t value, const QPalette& system);

// Background through the palette: the window, frames, buttons, text boxes, choosers.
void SetBackgroundColour(QWidget& widget, const QColor& colour);
void SetTextColour(QWidget& widget, const QColor& colour);

}  // namespace orbalune
