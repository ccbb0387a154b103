// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace orbalune {

// A label that reports a left click released over it, as a button would.
class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace orbalune
