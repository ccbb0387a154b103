// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/swatch_button.h"

#include <QPainter>

namespace orbalune {

void SwatchButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    const int edge = isDown() ? 2 : 1;
    painter.fillRect(rect(), hasFocus() ? palette().color(QPalette::Highlight) : face.darker(170));
    painter.fillRect(rect().adjusted(edge, edge, -edge, -edge), face);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace orbalune
