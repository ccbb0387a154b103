// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one window: ten city Rows side by side, five small buttons, the clock.
// Its handlers keep the names the program has always had (docs/architecture.md
// explains them): each changes the window's state, then draws what changed.

#include <QWidget>
#include <cstdint>
#include <memory>

#include "engine/row.h"
#include "window/clock_face.h"
#include "window/common_dialog.h"
#include "window/window_controls.h"
#include "window/window_seams.h"
#include "window/window_state.h"

class QComboBox;

namespace orbalune {

class FixedSizeInPlace;

class Frm1 final : public QWidget {
    Q_OBJECT
public:
    explicit Frm1(WindowSeams seams, QWidget* parent = nullptr);
    ~Frm1() override;
    Frm1(const Frm1&) = delete;
    Frm1& operator=(const Frm1&) = delete;
    Frm1(Frm1&&) = delete;
    Frm1& operator=(Frm1&&) = delete;

    [[nodiscard]] const WindowState& state() const { return state_; }
    [[nodiscard]] const RowsShown& rows() const { return rows_; }

    // The handlers, public so that the toolkit's signals and the tests reach them.
    void Form_Load();
    void tmr00_Timer();
    void lblMati_Click(std::int16_t Index);
    void cmbMati_Click(std::int16_t Index);
    void cmdHaikei_Click();
    void cmdMoji_Click();
    void cmdMae_Click();
    void cmdFm_Click();
    void cmdEND_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void connectHandlers();
    QComboBox* chooserOf(Row row);
    void pickColour(Colour& field, void (Frm1::*apply)());
    void ApplyMojiColr();
    void ApplyBakColr();
    // The outer height, title bar and borders included, under the decoration the
    // window manager gives: again whenever that changes.
    void applyOuterHeight(int outerTwips);
    void nameButtonsForScreenReaders();

    WindowSeams seams_;
    // First: event() reads these while the members below are still being built.
    bool painted_ = false;
    bool buttonsNamed_ = false;
    WindowState state_;
    RowsShown rows_;
    ShownColours colours_ = layout::kLayoutColours;  // as last applied: a chooser built later takes them
    FixedSizeInPlace* fixedSize_;
    std::unique_ptr<WindowDecoration> decoration_;
    WindowControls controls_;
    ClockFace clockFace_;
    TickTimer* tmr00;
    CommonDialog CmnDialog1;
};

}  // namespace orbalune
