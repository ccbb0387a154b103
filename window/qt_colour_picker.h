// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real colour dialog: Qt's own, in Japanese like the rest of the window.

#include "window/colour_picker.h"

namespace orbalune {

class QtColourPicker final : public ColourPicker {
public:
    std::optional<QColor> pick(const QColor& preset, QWidget* parent) override;
};

}  // namespace orbalune
