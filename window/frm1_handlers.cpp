// SPDX-License-Identifier: GPL-3.0-or-later
// What the window does when the clock ticks or the user acts.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <string_view>
#include <utility>

#include "engine/clock_tick.h"
#include "window/clickable_label.h"
#include "window/colours.h"
#include "window/frm1.h"
#include "window/layout_data.h"
#include "window/qt_text.h"
#include "window/twips.h"

namespace orbalune {

namespace {

Switch complement(Switch value) { return static_cast<Switch>(~value); }

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

void Frm1::tmr00_Timer()
{
    // One reading per tick: every text of this tick comes from the same second.
    const WallClock::time_point reading = seams_.clock->now();
    const std::chrono::local_seconds local = ToLocalSeconds(reading);

    PerRow<QString> names;
    for (const Row row : kAllRows) {
        names[row] = lblMati[row]->text();  // a hidden label still holds the Row's city
    }
    // A city's time is the local time shifted by whole minutes, so within one
    // local minute every Row's texts stay what they were, but the home Row's
    // seconds: the Rows are worked out again for a new minute or a new city only.
    DateTimeTexts home;
    const auto minute = std::chrono::floor<std::chrono::minutes>(local);
    if (minute != rowsMinute_ || names != rowCities_) {
        RowNames views;
        for (const Row row : kAllRows) {
            views[row] =
                std::u16string_view(QStringView(names[row]).utf16(), static_cast<std::size_t>(names[row].size()));
        }
        TickTexts texts = ComputeTick(local, views);
        home = std::move(texts.home);
        rowTexts_ = std::move(texts.rows);
        rowsMinute_ = minute;
        rowCities_ = std::move(names);
    } else {
        home = FormatLocalTexts(local);
    }

    PerRow<bool> newTime{};
    newTime[HomeRow] = showTexts(HomeRow, home.date, home.time);
    for (const Row row : kAllRows) {
        if (const auto& shown = rowTexts_[row]) {
            newTime[row] = showTexts(row, shown->date, shown->time) || newTime[row];
        }
    }
    const auto newTimes = std::ranges::count(newTime.byRow, true);
    // Aim the next tick at the next whole second of this reading; a late tick
    // re-aligns at once, an early one shows the same second and re-arms.
    tmr00->armAt(NextSecondBoundary(reading));
    // Show the new second now, not after another turn of the event loop. Most
    // seconds change one time box: it is painted and sent at once. Several (a new
    // minute) go in one paint and one flush.
    for (const Row row : kAllRows) {
        if (!newTime[row]) {
            continue;
        }
        if (newTimes == 1) {
            txtJihun[row]->repaint();
        } else {
            txtJihun[row]->update();
        }
    }
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

bool Frm1::showTexts(Row row, std::u16string_view date, std::u16string_view time)
{
    // Most seconds change one text of the window: compare first, convert only a change.
    if (lblTukihi[row]->text() != QStringView(date)) {
        lblTukihi[row]->setText(toQString(date));
    }
    QLineEdit* box = txtJihun[row];
    if (box->text() == QStringView(time)) {
        return false;
    }
    const UnannouncedChange quietly;
    // The box would ask for its repaint by posting a request, and a posted event
    // wakes the event loop once more, for a turn that finds nothing to do: with
    // updates off for the change, the caller repaints the new times itself.
    box->setAttribute(Qt::WA_UpdatesDisabled);
    box->setText(toQString(time));  // also replaces whatever the user typed there
    box->setAttribute(Qt::WA_UpdatesDisabled, false);
    return true;
}

void Frm1::lblMati_Click(std::int16_t Index)
{
    const auto row = Row::fromNumber(Index);
    if (!row) {
        return;
    }
    QComboBox* chooser = chooserOf(*row);
    lblMati[*row]->hide();
    chooser->show();
    chooser->move(chooser->x(), TwipsScale::forWidget(this).px(layout::kChooserTopWhileChoosing));
    chooser->setFocus(Qt::MouseFocusReason);  // so the keyboard can open the list too
}

void Frm1::cmbMati_Click(std::int16_t Index)
{
    const auto row = Row::fromNumber(Index);
    if (!row) {
        return;
    }
    QComboBox* chooser = cmbMati[*row];
    if (chooser == nullptr) {  // never opened: nothing was chosen
        return;
    }
    const bool hadFocus = chooser->hasFocus();
    chooser->hide();
    if (hadFocus) {
        // Back to the invisible focus holder, not on to the next time box, which
        // would show its text selected.
        txtTIdx->setFocus(Qt::OtherFocusReason);
    }
    lblMati[*row]->setText(chooser->currentText());  // exactly, ideographic spaces and all
    lblMati[*row]->show();
}

void Frm1::pickColour(std::int32_t& field, void (Frm1::*apply)())
{
    CmnDialog1->CancelError = true;
    try {
        CmnDialog1->Flags = CommonDialog::cdlCCRGBInit;
        CmnDialog1->ShowColor();
        field = static_cast<std::int32_t>(CmnDialog1->Color);
        (this->*apply)();
    } catch (const DialogCancelled&) {  // NOLINT(bugprone-empty-catch): a cancel changes nothing, silently
    }
    // Anything else (no memory, a fault in the dialog) is no cancel: it goes on up
    // as it would from any other handler, rather than pass for the user's choice.
}

void Frm1::cmdHaikei_Click() { pickColour(state_.BakColr, &Frm1::ApplyBakColr); }

void Frm1::cmdMoji_Click() { pickColour(state_.MojiColr, &Frm1::ApplyMojiColr); }

void Frm1::ApplyMojiColr()
{
    const QColor colour = ColourFromBgr(static_cast<std::uint32_t>(state_.MojiColr));
    for (const Row row : kAllRows) {
        if (cmbMati[row] != nullptr) {  // one built later takes its Row's colours then
            SetTextColour(*cmbMati[row], colour);
        }
        SetTextColour(*lblMati[row], colour);
        SetTextColour(*lblTukihi[row], colour);
        SetTextColour(*txtJihun[row], colour);
    }
}

void Frm1::ApplyBakColr()
{
    const QColor colour = ColourFromBgr(static_cast<std::uint32_t>(state_.BakColr));
    SetBackgroundColour(*this, colour);
    for (const auto& [control, drawn] : kButtons) {
        SetBackgroundColour(*(this->*control), colour);
    }
    SetBackgroundColour(*txtTIdx, colour);
    for (const Row row : kAllRows) {
        SetBackgroundColour(*fram1[row], colour);
        if (cmbMati[row] != nullptr) {
            SetBackgroundColour(*cmbMati[row], colour);
        }
        SetBackgroundColour(*txtJihun[row], colour);
    }
}

void Frm1::cmdMae_Click()
{
    const bool makeTopmost = state_.SwithMae == kOff;
    seams_.stacking->setTopmost(*this, makeTopmost);  // the result is not looked at
    const auto caption = toQString(makeTopmost ? layout::kMaeTopmostCaption : layout::kMaeNormalCaption);
    const auto tooltip = toQString(makeTopmost ? layout::kMaeTopmostTooltip : layout::kMaeNormalTooltip);
    cmdMae->setText(caption);
    cmdMae->setToolTip(tooltip);
    cmdMae->setAccessibleName(tooltip);
    state_.SwithMae = complement(state_.SwithMae);
}

void Frm1::cmdFm_Click()
{
    outerHeightTwips_ = state_.SwithFm == kOn ? layout::kTallOuterHeight : layout::kShortOuterHeight;
    applyOuterHeight();
    state_.SwithFm = complement(state_.SwithFm);
}

void Frm1::cmdEND_Click()
{
    tmr00->stop();
    close();
    QApplication::exit(0);  // also when a Row is still choosing
}

}  // namespace orbalune
