// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A frame height: how tall the window manager's decoration of a top-level window
// is (title bar and borders, top and bottom together, in device pixels), and when
// that changes.

#include <QObject>

namespace orbalune {

class WindowDecoration : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    [[nodiscard]] virtual int heightPx() const = 0;
    // Waits, briefly, for a window manager that was asked for the frame to answer.
    virtual void awaitAnswer() {}
signals:
    void changed();
};

}  // namespace orbalune
