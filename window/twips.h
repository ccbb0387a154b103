// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every position and size of the window is laid out in twips, 1440 to the inch;
// this is the one place where twips become the toolkit's pixels.

#include <QRect>

class QWidget;

namespace orbalune {

inline constexpr double kTwipsPerInch = 1440.0;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

class TwipsScale {
public:
    explicit TwipsScale(qreal logicalDpi) : dpi_(logicalDpi) {}
    // The logical DPI of the screen the widget is (or will be) shown on.
    static TwipsScale forWidget(const QWidget* widget);

    [[nodiscard]] qreal dpi() const { return dpi_; }
    [[nodiscard]] int px(int twips) const;
    [[nodiscard]] QRect rect(const TwipsRect& twips) const;

private:
    qreal dpi_;
};

}  // namespace orbalune
