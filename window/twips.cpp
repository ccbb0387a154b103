// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace orbalune {

TwipsScale TwipsScale::forWidget(const QWidget* widget)
{
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return TwipsScale(screen != nullptr ? screen->logicalDotsPerInch() : 96.0);
}

int TwipsScale::px(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / kTwipsPerInch)); }

QRect TwipsScale::rect(const TwipsRect& twips) const
{
    // Edges are rounded, not sizes, so that neighbours laid out edge to edge stay so.
    const int left = px(twips.left);
    const int top = px(twips.top);
    return {left, top, px(twips.left + twips.width) - left, px(twips.top + twips.height) - top};
}

}  // namespace orbalune
