// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/common_dialog.h"

#include <QColor>

#include "window/colour_picker.h"
#include "window/colours.h"

namespace orbalune {

void CommonDialog::ShowColor()
{
    // Without cdlCCRGBInit the dialog would open on black, as a fresh dialog does.
    const QColor preset = (Flags & cdlCCRGBInit) != 0 ? ToQColor(Color) : QColor(Qt::black);
    const auto chosen = picker_.pick(preset, owner_);
    if (!chosen) {
        if (CancelError) {
            throw DialogCancelled();
        }
        return;
    }
    Color = FromQColor(*chosen);
}

}  // namespace orbalune
