#pragma once
// What the window needs from the outside world, as small interfaces, so that
// tests can drive the real window with a fake clock, a scripted colour dialog
// and a recorded always-on-top request.

#include <QObject>
#include <memory>
#include <optional>

#include "tick_schedule.h"

class QColor;
class QWidget;

namespace orbalune {

class ClockSource {
public:
    virtual ~ClockSource() = default;
    [[nodiscard]] virtual WallClock::time_point now() const = 0;
};

class SystemClockSource final : public ClockSource {
public:
    [[nodiscard]] WallClock::time_point now() const override { return WallClock::now(); }
};

// A one-shot timer aimed at a wall-clock instant; the window re-arms it on
// every tick. Emits fired() once per arming.
class TickTimer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void armAt(WallClock::time_point when) = 0;
    virtual void stop() = 0;
signals:
    void fired();
};

// Shows a modal colour dialog opened on `preset`; nothing when the user cancels.
class ColourPicker {
public:
    virtual ~ColourPicker() = default;
    virtual std::optional<QColor> pick(const QColor& preset, QWidget* parent) = 0;
};

// Keeps a top-level window above all others, or releases it, without moving,
// resizing or re-creating it.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    virtual void setTopmost(QWidget& window, bool topmost) = 0;
    [[nodiscard]] virtual bool isTopmost(const QWidget& window) const = 0;
};

struct WindowSeams {
    std::unique_ptr<ClockSource> clock;
    std::unique_ptr<TickTimer> timer;
    std::unique_ptr<ColourPicker> colours;
    std::unique_ptr<WindowStacking> stacking;

    // The real clock, timer, colour dialog and window-manager request.
    static WindowSeams system();
};

}  // namespace orbalune
