// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace orbalune {

// A push button drawn as a flat swatch of its palette's button colour with a thin
// darker edge: the exact colour the window gives it, where a style would shade
// the face. The edge shows the focus in the highlight colour and thickens while
// the button is held down.
class SwatchButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orbalune
