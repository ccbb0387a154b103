#include "colours.h"

#include <QPalette>
#include <QWidget>

namespace orbalune {

QColor ColourFromBgr(std::uint32_t bgr)
{
    return {static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8) & 0xFFU),
            static_cast<int>((bgr >> 16) & 0xFFU)};
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
    switch (value & 0xFFU) {
    case 5:  // window background
        return system.color(QPalette::Base);
    case 8:  // window text
        return system.color(QPalette::Text);
    default:
        return system.color(QPalette::WindowText);
    }
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
