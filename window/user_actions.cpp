// SPDX-License-Identifier: GPL-3.0-or-later
// What the window does when the user acts: a city chosen, a colour confirmed,
// the window kept on top or switched in height, the program ended.

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <optional>

#include "window/frm1.h"
#include "window/qt_text.h"

namespace orbalune {

namespace {

// The entry of Row's list at `index` of its chooser, as the layout spells it.
std::optional<std::u16string_view> EntryOf(Row row, int index)
{
    const auto& list = layout::kRows[row].chooserList;
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return std::nullopt;
    }
    return list[static_cast<std::size_t>(index)];
}

}  // namespace

void Frm1::lblMati_Click(std::int16_t Index)
{
    const auto row = Row::fromNumber(Index);
    if (!row) {
        return;
    }
    chooserOf(*row);
    // The city label gives way to the chooser, at the top of the Row.
    rows_.choosing[*row] = true;
    controls_.showChoosing(*row, true);
}

void Frm1::cmbMati_Click(std::int16_t Index)
{
    const auto row = Row::fromNumber(Index);
    if (!row || controls_.cmbMati[*row] == nullptr) {  // never opened: nothing was chosen
        return;
    }
    const auto entry = EntryOf(*row, controls_.cmbMati[*row]->currentIndex());
    if (!entry) {
        return;
    }
    // The chooser gives way to the city label, which shows the entry chosen,
    // exactly, ideographic spaces and all.
    rows_.choosing[*row] = false;
    controls_.showChoosing(*row, false);
    rows_.city[*row] = *entry;
    controls_.showCity(*row, *entry);
    // And the Row shows its new city's date and time at once, from one reading,
    // in the same paint as the name: not the old city's until the next tick.
    clockFace_.writeRow(*row, ToLocalSeconds(seams_.clock->now()), rows_.city);
}

void Frm1::pickColour(Colour& field, void (Frm1::*apply)())
{
    CmnDialog1.CancelError = true;
    try {
        CmnDialog1.Flags = CommonDialog::cdlCCRGBInit;
        CmnDialog1.ShowColor();
        field = CmnDialog1.Color;
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
    colours_.text = state_.MojiColr;
    controls_.recolour(false, colours_.text);
}

void Frm1::ApplyBakColr()
{
    colours_.background = state_.BakColr;
    controls_.recolour(true, colours_.background);
}

void Frm1::cmdMae_Click()
{
    const bool makeTopmost = state_.SwithMae == kOff;
    seams_.stacking->setTopmost(*this, makeTopmost);  // the result is not looked at
    const auto caption = toQString(makeTopmost ? layout::kMaeTopmostCaption : layout::kMaeNormalCaption);
    const auto tooltip = toQString(makeTopmost ? layout::kMaeTopmostTooltip : layout::kMaeNormalTooltip);
    controls_.cmdMae->setText(caption);
    controls_.cmdMae->setToolTip(tooltip);
    controls_.cmdMae->setAccessibleName(tooltip);
    state_.SwithMae = Complement(state_.SwithMae);
}

void Frm1::cmdFm_Click()
{
    applyOuterHeight(state_.SwithFm == kOn ? layout::kTallOuterHeight : layout::kShortOuterHeight);
    state_.SwithFm = Complement(state_.SwithFm);
}

void Frm1::cmdEND_Click()
{
    tmr00->stop();
    close();
    QApplication::exit(0);  // also when a Row is still choosing
}

}  // namespace orbalune
