// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Rows' dates and times: worked out through the engine from one local
// reading and the Rows' cities, written into the date labels and time boxes
// where they changed, and on the screen at once.

#include <chrono>
#include <optional>

#include "engine/clock_tick.h"
#include "engine/row.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace orbalune {

class ClockFace {
public:
    ClockFace(QWidget& window, const PerRow<QLabel*>& dates, const PerRow<QLineEdit*>& times);

    // Writes every Row's texts for `now`; true for each Row whose time box changed.
    PerRow<bool> write(std::chrono::local_seconds now, const RowNames& cities);
    // Puts the changed time boxes on the screen now, not after another turn of the event loop.
    void paint(const PerRow<bool>& newTime);
    // Writes one Row's texts for `now`, to be painted with the window's next paint.
    void writeRow(Row row, std::chrono::local_seconds now, const RowNames& cities);

private:
    // The home Row's texts for `now`; the other Rows' kept in rowTexts_.
    DateTimeTexts workOut(std::chrono::local_seconds now, const RowNames& cities);
    // Writes what changed of a Row's texts; true when its time box changed, which is left to the caller to paint.
    bool writeTexts(Row row, const DateTimeTexts& texts);

    QWidget& window_;
    PerRow<QLabel*> dates_;
    PerRow<QLineEdit*> times_;
    // The Rows' texts as last worked out, for the local minute and the cities then shown.
    std::chrono::local_time<std::chrono::minutes> rowsMinute_{std::chrono::minutes::min()};
    RowNames rowCities_{};
    PerRow<std::optional<DateTimeTexts>> rowTexts_{};
};

}  // namespace orbalune
