#pragma once
// How tall the window manager's decoration of a top-level window is (title bar
// and borders, top and bottom together, in device pixels), and when that changes.

#include <QObject>
#include <memory>

class QWidget;

namespace orbalune {

class WindowDecoration : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The best source the platform offers for this window, which must not be
    // mapped yet: the window manager's own word where it publishes one, else what
    // the toolkit measures.
    static std::unique_ptr<WindowDecoration> create(QWidget& window);

    [[nodiscard]] virtual int heightPx() const = 0;
    // Waits, briefly, for a window manager that was asked for the frame to answer.
    virtual void awaitAnswer() {}
signals:
    void changed();
};

// What the toolkit measures around the window once it is framed. Nothing tells
// when that happens, so it looks again at growing intervals after each show.
class ToolkitDecoration final : public WindowDecoration {
    Q_OBJECT
public:
    explicit ToolkitDecoration(QWidget& window);
    [[nodiscard]] int heightPx() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch();
    QWidget& window_;
    int reported_ = 0;
};

}  // namespace orbalune
