// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/colours.h"

#include <QPalette>
#include <QWidget>

namespace orbalune {

QColor ColourFromBgr(std::uint32_t bgr)
{
    return {static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8) & 0xFFU), static_cast<int>((bgr >> 16) & 0xFFU)};
}

std::uint32_t BgrFromColour(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
           (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

QColor ResolveLayoutColour(std::uint32_t value, const QPalette& system)
{
    constexpr std::uint32_t systemColourFlag = 0x80000000U;
    if ((value & systemColourFlag) == 0) {
        return ColourFromBgr(value);
    }
    // The layout names one system colour, 8: the text of a window's controls.
    return (value & 0xFFU) == 8 ? system.color(QPalette::Text) : system.color(QPalette::WindowText);
}

void SetBackgroundColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, colour);
    }
    widget.setPalette(palette);
}

void SetTextColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, colour);
    }
    widget.setPalette(palette);
}

}  // namespace orbalune
