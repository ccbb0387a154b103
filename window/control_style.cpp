// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/control_style.h"

#include <QWidget>

#include "window/colours.h"
#include "window/fonts.h"
#include "window/qt_text.h"

namespace orbalune {

QString RowControlName(std::string_view control, Row row)
{
    return QStringLiteral("%1(%2)").arg(toQString(control)).arg(row.number());
}

void UseLayoutFont(QWidget& control, layout::FontKind kind)
{
    // A control inherits its parent's font at creation for free. Setting an equal font
    // afterwards still lays its text out again, and makes a chooser build its popup list
    // there and then: time spent for nothing. (A Row's frame carries its time box's font,
    // so the city label and a chooser in it are given theirs.)
    const QFont font = LayoutFont(kind);
    if (control.font() != font) {
        control.setFont(font);
    }
}

void PaintAsReached(QWidget& control, layout::Coloured which, const ShownColours& shown)
{
    const layout::ColourReach reach = layout::ReachOf(which);
    if (reach.background) {
        SetBackgroundColour(control, shown.background);
    }
    if (reach.text) {
        SetTextColour(control, shown.text);
    }
}

}  // namespace orbalune
