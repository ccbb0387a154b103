// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixing a shown top-level window at a new size without naming its position.
// Qt's own resize of a window placed by the program tells the window manager the
// position along with the size; KWin, asked so just after it has framed the
// window, now and then places the window anew, in the screen's corner. On X11
// the request here names the size alone once the window is mapped; elsewhere,
// or before, Qt's resize is used as it is.

#include <QObject>
#include <QSize>

class QWidget;

namespace orbalune {

class FixedSizeInPlace final : public QObject {
    Q_OBJECT
public:
    explicit FixedSizeInPlace(QWidget& window);
    void apply(const QSize& size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the window manager's height limits to `size` and asks for that height;
    // false when there is no fixed X11 window to ask for.
    bool askWindowManager(const QSize& size);
    // Fixes the toolkit's limits, and so the window, at `size`; nothing is pending.
    void settle(QSize size);  // by value: it may be given pending_, which it clears

    QWidget& window_;
    QSize pending_;  // asked of the window manager, not yet given
};

}  // namespace orbalune
