// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real window wired to stand-ins for the clock, the tick timer, the colour
// dialog and the always-on-top request, so tests drive it without waiting.

#include <QColor>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <deque>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "engine/city_table.h"
#include "engine/clock_tick.h"
#include "oracle.h"
#include "window/frm1.h"

namespace orbalune::testing {

// It can also move on by `step` after every reading, as a real clock does while a tick runs.
struct FakeClock final : ClockSource {
    mutable WallClock::time_point time{};
    WallClock::duration step{};
    [[nodiscard]] WallClock::time_point now() const override { return std::exchange(time, time + step); }
};

struct FakeTimer final : TickTimer {
    WallClock::time_point target{};
    bool stopped = false;
    void armAt(WallClock::time_point when) override { target = when, stopped = false; }
    void stop() override { stopped = true; }
};

// Answers in turn: a colour confirmed, nullopt cancelled (also once the script is
// out), an invalid colour a dialog that fails (it runs out of memory).
struct ScriptedColours final : ColourPicker {
    std::deque<std::optional<QColor>> answers;
    std::vector<QColor> presets;  // what each opening showed
    std::optional<QColor> pick(const QColor& preset, QWidget*) override
    {
        presets.push_back(preset);
        const std::optional<QColor> answer = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        if (answer && !answer->isValid()) {
            throw std::bad_alloc();
        }
        return answer;
    }
};

struct RecordingStacking final : WindowStacking {
    std::vector<bool> requests;
    void setTopmost(QWidget&, bool topmost) override { requests.push_back(topmost); }
};

struct FakeWindow {
    FakeClock* clock = new FakeClock;
    FakeTimer* timer = new FakeTimer;
    ScriptedColours* colours = new ScriptedColours;
    RecordingStacking* stacking = new RecordingStacking;
    std::unique_ptr<Frm1> window;

    explicit FakeWindow(WallClock::time_point start)
    {
        clock->time = start;
        window = std::make_unique<Frm1>(
            WindowSeams{std::unique_ptr<ClockSource>(clock), std::unique_ptr<TickTimer>(timer),
                        std::unique_ptr<ColourPicker>(colours), std::unique_ptr<WindowStacking>(stacking)});
    }
    mutable QHash<QString, QObject*> found;  // a soak looks up 30 controls a tick; they live as long as the window
    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        QObject*& control = found[name];
        control = control != nullptr ? control : window->findChild<QObject*>(name);
        return qobject_cast<T*>(control);
    }
    template <typename T = QWidget>
    T* row(const char* control, Row r) const
    {
        return find<T>(QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(r.number()));
    }
    QString cityOf(Row r) const { return row<QLabel>("lblMati", r)->text(); }
    QString dateOf(Row r) const { return row<QLabel>("lblTukihi", r)->text(); }
    QString timeOf(Row r) const { return row<QLineEdit>("txtJihun", r)->text(); }
    void tickAt(WallClock::time_point when) { clock->time = when, emit timer->fired(); }

    // Every Row that names a city of the table, and the home row, against the
    // oracle for one reading: the first difference, or nothing.
    [[nodiscard]] QString differenceFrom(WallClock::time_point reading) const
    {
        for (const Row r : kAllRows) {
            const auto offset = FindCityOffset(cityOf(r).toStdU16String());
            const auto want = Expected(ToLocalSeconds(reading), offset.value_or(std::chrono::minutes{}), !offset);
            const QString shown = dateOf(r) + u' ' + timeOf(r);
            const QString wanted = QString::fromStdU16String(want.date + u' ' + want.time);
            if ((offset || r == HomeRow) && shown != wanted) {
                return QStringLiteral("Row %1 %2 shows %3, want %4")
                    .arg(QString::number(r.number()), cityOf(r), shown, wanted);
            }
        }
        return {};
    }
};

}  // namespace orbalune::testing
