// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/colours.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

namespace orbalune {

QColor ToQColor(Colour colour)
{
    constexpr Colour systemColourFlag = 0x80000000U;
    if ((colour & systemColourFlag) != 0) {
        // The layout names one system colour, 8: the text of a window's controls.
        const QPalette system = QGuiApplication::palette();
        return (colour & 0xFFU) == 8 ? system.color(QPalette::Text) : system.color(QPalette::WindowText);
    }
    return {static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8) & 0xFFU),
            static_cast<int>((colour >> 16) & 0xFFU)};
}

Colour FromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<Colour>(rgb.red()) | (static_cast<Colour>(rgb.green()) << 8) |
           (static_cast<Colour>(rgb.blue()) << 16);
}

void SetBackgroundColour(QWidget& widget, Colour colour)
{
    const QColor qt = ToQColor(colour);
    QPalette palette = widget.palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, qt);
    }
    widget.setPalette(palette);
}

void SetTextColour(QWidget& widget, Colour colour)
{
    const QColor qt = ToQColor(colour);
    QPalette palette = widget.palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, qt);
    }
    widget.setPalette(palette);
}

}  // namespace orbalune
