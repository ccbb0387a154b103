#pragma once
// Stand-ins for the clock, the tick timer, the colour dialog and the
// always-on-top request, so tests drive the real window without waiting.

#include <QColor>
#include <deque>
#include <memory>
#include <vector>

#include "frm1.h"

namespace orbalune::testing {

class FakeClock final : public ClockSource {
public:
    WallClock::time_point time{};
    [[nodiscard]] WallClock::time_point now() const override { return time; }
};

class FakeTimer final : public TickTimer {
public:
    WallClock::time_point target{};
    bool stopped = false;
    void armAt(WallClock::time_point when) override { target = when, stopped = false; }
    void stop() override { stopped = true; }
    void fire() { emit fired(); }
};

class ScriptedColours final : public ColourPicker {
public:
    std::deque<std::optional<QColor>> answers;  // nullopt: the user cancels
    std::vector<QColor> presets;                // what each opening showed
    std::optional<QColor> pick(const QColor& preset, QWidget*) override
    {
        presets.push_back(preset);
        auto answer = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
};

class RecordingStacking final : public WindowStacking {
public:
    std::vector<bool> requests;
    void setTopmost(QWidget&, bool topmost) override { requests.push_back(topmost); }
    [[nodiscard]] bool isTopmost(const QWidget&) const override { return !requests.empty() && requests.back(); }
};

// A window wired to fakes, with the fakes kept at hand.
struct FakeWindow {
    FakeClock* clock;
    FakeTimer* timer;
    ScriptedColours* colours;
    RecordingStacking* stacking;
    std::unique_ptr<Frm1> window;

    explicit FakeWindow(WallClock::time_point start)
    {
        auto c = std::make_unique<FakeClock>();
        auto t = std::make_unique<FakeTimer>();
        auto p = std::make_unique<ScriptedColours>();
        auto s = std::make_unique<RecordingStacking>();
        clock = c.get(), timer = t.get(), colours = p.get(), stacking = s.get();
        c->time = start;
        window = std::make_unique<Frm1>(WindowSeams{std::move(c), std::move(t), std::move(p), std::move(s)});
    }
    template <typename T>
    T* find(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    template <typename T>
    T* row(const char* control, int row) const
    {
        return find<T>(QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(row));
    }
    void tickAt(WallClock::time_point when)
    {
        clock->time = when;
        timer->fire();
    }
};

}  // namespace orbalune::testing
