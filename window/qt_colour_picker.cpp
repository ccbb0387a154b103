// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt_colour_picker.h"

#include <QColorDialog>

namespace orbalune {

std::optional<QColor> QtColourPicker::pick(const QColor& preset, QWidget* parent)
{
    // getColor() is modal; its nested event loop keeps the clock ticking.
    const QColor chosen = QColorDialog::getColor(preset, parent);
    if (!chosen.isValid()) {
        return std::nullopt;  // cancelled
    }
    return chosen;
}

}  // namespace orbalune
