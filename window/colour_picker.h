// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour dialog as the window uses it: modal, opened on a preset colour.
// An interface, so that tests answer the dialog instead of a user.

#include <optional>

class QColor;
class QWidget;

namespace orbalune {

class ColourPicker {
public:
    virtual ~ColourPicker() = default;
    // The colour the user confirmed, or nothing when the user cancelled.
    virtual std::optional<QColor> pick(const QColor& preset, QWidget* parent) = 0;
};

}  // namespace orbalune
