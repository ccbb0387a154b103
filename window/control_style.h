// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every control is given as it is made: its name, its font and its colours.

#include <QString>
#include <string_view>

#include "engine/row.h"
#include "window/layout_data.h"

class QWidget;

namespace orbalune {

// A Row's control is known by its name and Row, as "lblMati(3)".
QString RowControlName(std::string_view control, Row row);

// The layout's font, set only where the control does not inherit it already.
void UseLayoutFont(QWidget& control, layout::FontKind kind);

// Of `shown`, the colours that a confirmed colour reaches the control with.
void PaintAsReached(QWidget& control, layout::Coloured which, const ShownColours& shown);

}  // namespace orbalune
