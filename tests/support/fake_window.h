// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real window wired to stand-ins for the clock, the tick timer, the colour dialog and the always-on-top
// request, so tests drive it without waiting; and lists of "control value" that name the control that differs.

#include <QColor>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>
#include <new>
#include <utility>

#include "engine/city_table.h"
#include "engine/clock_tick.h"
#include "oracle.h"
#include "window/frm1.h"

namespace orbalune::testing {

using Read = std::function<QString(QWidget*)>;

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

// Answers in turn: a colour confirmed, an invalid one cancelled (also once the script is out), a transparent
// one a dialog that fails (it runs out of memory). The stand-ins keep the last 8 of what they were asked: a
// soak asks for days.
struct ScriptedColours final : ColourPicker {
    QList<QColor> answers;
    QList<QColor> presets;  // what each opening showed
    std::optional<QColor> pick(const QColor& preset, QWidget*) override
    {
        presets = presets.mid(presets.size() / 8) << preset;
        const QColor answer = answers.isEmpty() ? QColor() : answers.takeFirst();
        if (answer == Qt::transparent) {
            throw std::bad_alloc();
        }
        return answer.isValid() ? std::optional(answer) : std::nullopt;
    }
};

struct RecordingStacking final : WindowStacking {
    QList<bool> requests;
    void setTopmost(QWidget&, bool topmost) override { requests = requests.mid(requests.size() / 8) << topmost; }
};

struct FakeWindow {
    FakeClock* clock = new FakeClock;
    FakeTimer* timer = new FakeTimer;
    ScriptedColours* colours = new ScriptedColours;
    RecordingStacking* stacking = new RecordingStacking;
    std::unique_ptr<Frm1> window;
    mutable QHash<QString, QWidget*> found;  // a soak looks up 30 controls a tick; they live as long as the window

    explicit FakeWindow(WallClock::time_point start)
    {
        clock->time = start;
        window = std::make_unique<Frm1>(
            WindowSeams{std::unique_ptr<ClockSource>(clock), std::unique_ptr<TickTimer>(timer),
                        std::unique_ptr<ColourPicker>(colours), std::unique_ptr<WindowStacking>(stacking)});
    }
    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        QWidget*& control = found[name];
        control = control != nullptr ? control : name == "frm1" ? window.get() : window->findChild<QWidget*>(name);
        return qobject_cast<T*>(control);
    }
    template <typename T = QWidget>
    T* row(const char* control, Row r) const
    {
        return find<T>(named(control, r));
    }
    QString cityOf(Row r) const { return QString::fromStdU16String(std::u16string(window->rows().city[r])); }
    void tickAt(WallClock::time_point when) { clock->time = when, emit timer->fired(); }
    void show() const
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void click(const QString& name) const { QTest::mouseClick(find(name), Qt::LeftButton); }

    // A Row's control is known by its name and Row, as "lblMati(3)"; without a Row, that of every Row.
    static QString named(const char* control, Row r) { return QString("%1(%2)").arg(control).arg(r.number()); }
    static QStringList named(const char* control)
    {
        QStringList out;
        for (const Row r : kAllRows) {
            out << named(control, r);
        }
        return out;
    }
    // "name value" for each name: the values in turn, or the one value for all.
    static QStringList zip(const QStringList& names, const QStringList& values)
    {
        QStringList out;
        for (qsizetype i = 0; i < names.size(); ++i) {
            out << names.at(i) + ' ' + values.at(values.size() == 1 ? 0 : i);
        }
        return out;
    }
    // "name value" read from each named control that exists (a chooser is built when its Row is first
    // clicked), so that comparing lists names the control that differs. A name may carry more after a space.
    [[nodiscard]] QStringList each(const QStringList& names, const Read& read) const
    {
        QStringList out;
        for (const QString& entry : names) {
            if (QWidget* control = find(entry.section(' ', 0, 0))) {
                out << entry.section(' ', 0, 0) + ' ' + read(control);
            }
        }
        return out;
    }

    // One letter a Row: S showing its city, C choosing, X both or neither (never allowed).
    [[nodiscard]] QString rowStates() const
    {
        QString out;
        for (const Row r : kAllRows) {
            const QWidget* chooser = row("cmbMati", r);
            const bool label = row("lblMati", r)->isVisibleTo(window.get());
            out += label == (chooser != nullptr && chooser->isVisibleTo(window.get())) ? u'X' : label ? u'S' : u'C';
        }
        return out;
    }

    // The first Row whose controls do not draw the window's state (its city label's caption, which of its two
    // controls shows), or nothing.
    [[nodiscard]] QString drawnDifference() const
    {
        for (const Row r : kAllRows) {
            const QString drawn = rowStates().at(r.number() - 1) + ' ' + row<QLabel>("lblMati", r)->text(),
                          state = QString(window->rows().choosing[r] ? "C " : "S ") + cityOf(r);
            if (drawn != state) {
                return QString("Row %1 shows %2, its state is %3").arg(r.number()).arg(drawn, state);
            }
        }
        return {};
    }

    // The time boxes whose pixels on the screen differ from what they draw now: a new text never painted.
    [[nodiscard]] QStringList unpainted() const
    {
        QStringList out;
        const QImage screen =
            window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        for (const Row r : kAllRows) {
            const QRect box(row("txtJihun", r)->mapTo(window.get(), QPoint()), row("txtJihun", r)->size());
            if (screen.copy(box) != window->grab(box).toImage().convertToFormat(QImage::Format_RGB32)) {
                out << named("txtJihun", r) + ' ' + row<QLineEdit>("txtJihun", r)->text();
            }
        }
        return out;
    }

    // Every Row that names a city of the table, and the home row, against the oracle for one reading: the
    // first difference, or nothing.
    [[nodiscard]] QString differenceFrom(WallClock::time_point reading) const
    {
        for (const Row r : kAllRows) {
            const auto offset = FindCityOffset(cityOf(r).toStdU16String());
            const auto want = Expected(ToLocalSeconds(reading), offset.value_or(std::chrono::minutes{}), !offset);
            const QString shown = row<QLabel>("lblTukihi", r)->text() + ' ' + row<QLineEdit>("txtJihun", r)->text();
            const QString wanted = QString::fromStdU16String(want.date + u' ' + want.time);
            if ((offset || r == Row::number(6)) && shown != wanted) {  // the home row, whatever the code calls it
                return QString("Row %1 %2 shows %3, want %4").arg(r.number()).arg(cityOf(r), shown, wanted);
            }
        }
        return {};
    }
};

}  // namespace orbalune::testing
