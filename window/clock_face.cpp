// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/clock_face.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <utility>

#include "window/qt_text.h"

namespace orbalune {

namespace {

// While it lives, changes of text are not announced to screen readers. A reader
// asks a time box for its text when its user reads it, and gets the time of that
// very second; told of every change, the accessibility bridge would send each
// listening reader D-Bus messages every second, waking the reader, the bus and
// our own D-Bus thread for a text nobody is reading.
class UnannouncedChange {
public:
    UnannouncedChange() : previous_(QAccessible::installUpdateHandler([](QAccessibleEvent*) {})) {}
    ~UnannouncedChange() { QAccessible::installUpdateHandler(previous_); }
    UnannouncedChange(const UnannouncedChange&) = delete;
    UnannouncedChange& operator=(const UnannouncedChange&) = delete;
    UnannouncedChange(UnannouncedChange&&) = delete;
    UnannouncedChange& operator=(UnannouncedChange&&) = delete;

private:
    QAccessible::UpdateHandler previous_;
};

}  // namespace

ClockFace::ClockFace(QWidget& window, const PerRow<QLabel*>& dates, const PerRow<QLineEdit*>& times)
    : window_(window),
      dates_(dates),
      times_(times)
{
}

PerRow<bool> ClockFace::write(std::chrono::local_seconds now, const RowNames& cities)
{
    PerRow<bool> newTime{};
    newTime[HomeRow] = writeTexts(HomeRow, workOut(now, cities));
    for (const Row row : kAllRows) {
        if (const auto& texts = rowTexts_[row]) {  // a city the table does not know keeps what it showed
            newTime[row] = writeTexts(row, *texts) || newTime[row];
        }
    }
    return newTime;
}

void ClockFace::paint(const PerRow<bool>& newTime)
{
    // Most seconds change one time box: it is painted and sent at once. Several
    // (a new minute) go in one paint and one flush.
    const auto newTimes = std::ranges::count(newTime.byRow, true);
    for (const Row row : kAllRows) {
        if (!newTime[row]) {
            continue;
        }
        if (newTimes == 1) {
            times_[row]->repaint();
        } else {
            times_[row]->update();
        }
    }
    QCoreApplication::sendPostedEvents(&window_, QEvent::UpdateRequest);
}

void ClockFace::writeRow(Row row, std::chrono::local_seconds now, const RowNames& cities)
{
    workOut(now, cities);
    if (const auto& texts = rowTexts_[row]; texts && writeTexts(row, *texts)) {
        times_[row]->update();
    }
}

DateTimeTexts ClockFace::workOut(std::chrono::local_seconds now, const RowNames& cities)
{
    // A city's time is the local time shifted by whole minutes, so within one
    // local minute every Row's texts stay what they were, but the home Row's
    // seconds: the Rows are worked out again for a new minute or a new city only.
    const auto minute = std::chrono::floor<std::chrono::minutes>(now);
    if (minute == rowsMinute_ && cities == rowCities_) {
        return FormatLocalTexts(now);
    }
    TickTexts texts = ComputeTick(now, cities);
    rowTexts_ = std::move(texts.rows);
    rowsMinute_ = minute;
    rowCities_ = cities;
    return std::move(texts.home);
}

bool ClockFace::writeTexts(Row row, const DateTimeTexts& texts)
{
    // Most seconds change one text of the window: compare first, convert only a change.
    if (dates_[row]->text() != QStringView(texts.date)) {
        dates_[row]->setText(toQString(texts.date));
    }
    QLineEdit* box = times_[row];
    if (box->text() == QStringView(texts.time)) {
        return false;
    }
    const UnannouncedChange quietly;
    // The box would ask for its repaint by posting a request, and a posted event
    // wakes the event loop once more, for a turn that finds nothing to do: with
    // updates off for the change, the caller repaints the new times itself.
    box->setAttribute(Qt::WA_UpdatesDisabled);
    box->setText(toQString(texts.time));  // also replaces whatever the user typed there
    box->setAttribute(Qt::WA_UpdatesDisabled, false);
    return true;
}

}  // namespace orbalune
