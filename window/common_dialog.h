// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's one colour dialog object. It keeps the preset colour between
// openings (Qt's dialog forgets it), shared by the background and text buttons.

#include <cstdint>
#include <stdexcept>

#include "window/colours.h"

class QWidget;

namespace orbalune {

class ColourPicker;

// Raised by ShowColor() when the user cancels and CancelError is set.
class DialogCancelled : public std::runtime_error {
public:
    DialogCancelled() : std::runtime_error("colour dialog cancelled") {}
};

class CommonDialog {
public:
    static constexpr std::int32_t cdlCCRGBInit = 1;  // open with Color selected

    CommonDialog(ColourPicker& picker, QWidget* owner) : picker_(picker), owner_(owner) {}

    bool CancelError = false;
    std::int32_t Flags = 0;
    Colour Color = 0;  // the chosen colour, and the next preset

    // Modal. On confirm, Color holds the choice; on cancel Color is kept and,
    // with CancelError, DialogCancelled is thrown.
    void ShowColor();

private:
    ColourPicker& picker_;
    QWidget* owner_;
};

}  // namespace orbalune
