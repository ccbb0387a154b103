// SPDX-License-Identifier: GPL-3.0-or-later
// The window's making, its start-up and its tick.
#include "window/frm1.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <utility>

#include "platform/fixed_size_in_place.h"
#include "window/clickable_label.h"
#include "window/icon.h"
#include "window/outer_height.h"
#include "window/qt_text.h"
#include "window/twips.h"

namespace orbalune {

namespace {

// The window as laid out, fixed at its size; what fixes it anew later.
FixedSizeInPlace* LayOut(QWidget& window)
{
    window.setObjectName(QStringLiteral("frm1"));
    window.setWindowTitle(toQString(layout::kWindow.caption));
    window.setWindowIcon(OrbaluneIcon());
    // setGeometry places the client area (move() would place the frame).
    window.setGeometry(TwipsScale::forWidget(&window).rect(layout::kWindow.client));
    window.setFixedSize(window.size());  // a fixed border: the user cannot resize it
    return new FixedSizeInPlace(window);
}

// The outer height the height switch stands for.
int OuterHeightOf(Switch SwithFm) { return SwithFm == kOn ? layout::kShortOuterHeight : layout::kTallOuterHeight; }

}  // namespace

Frm1::Frm1(WindowSeams seams, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      seams_(std::move(seams)),
      fixedSize_(LayOut(*this)),
      // Asked of the window manager before the controls are built: it answers
      // meanwhile, and the first map already has the right height.
      decoration_(WatchDecoration(*this)),
      controls_(*this),
      clockFace_(*this, controls_.lblTukihi, controls_.txtJihun),
      tmr00(seams_.timer.get()),
      CmnDialog1(*seams_.colours, this)
{
    connect(decoration_.get(), &WindowDecoration::changed, this,
            [this] { applyOuterHeight(OuterHeightOf(state_.SwithFm)); });
    connectHandlers();
    Form_Load();
    // The timer runs from creation; its first tick lands on the next whole second.
    tmr00->armAt(NextSecondBoundary(seams_.clock->now()));
}

Frm1::~Frm1() { tmr00->stop(); }

void Frm1::connectHandlers()
{
    connect(tmr00, &TickTimer::fired, this, &Frm1::tmr00_Timer);
    connect(controls_.cmdHaikei, &QPushButton::clicked, this, &Frm1::cmdHaikei_Click);
    connect(controls_.cmdMoji, &QPushButton::clicked, this, &Frm1::cmdMoji_Click);
    connect(controls_.cmdMae, &QPushButton::clicked, this, &Frm1::cmdMae_Click);
    connect(controls_.cmdFm, &QPushButton::clicked, this, &Frm1::cmdFm_Click);
    connect(controls_.cmdEND, &QPushButton::clicked, this, &Frm1::cmdEND_Click);
    for (const Row row : kAllRows) {
        connect(controls_.lblMati[row], &ClickableLabel::clicked, this,
                [this, row] { lblMati_Click(static_cast<std::int16_t>(row.number())); });
    }
    // Esc quits, as the window's cancel button. An open list or a modal dialog
    // takes its own Esc first.
    auto* quit = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(quit, &QShortcut::activated, controls_.cmdEND, &QPushButton::click);
}

QComboBox* Frm1::chooserOf(Row row)
{
    if (controls_.cmbMati[row] == nullptr) {
        QComboBox* chooser = controls_.buildChooser(row, rows_.city[row], colours_);
        // activated, not currentIndexChanged: picking the entry that is already selected
        // must end choosing too, and the selection made here must not.
        connect(chooser, &QComboBox::activated, this,
                [this, row] { cmbMati_Click(static_cast<std::int16_t>(row.number())); });
    }
    return controls_.cmbMati[row];
}

void Frm1::Form_Load()
{
    applyOuterHeight(layout::kShortOuterHeight);

    const auto today = std::chrono::year_month_day{floor<std::chrono::days>(ToLocalSeconds(seams_.clock->now()))};
    const auto month = static_cast<unsigned>(today.month());
    const bool southernSummer = month <= 3 || month >= 11;
    setWindowTitle(toQString(southernSummer ? layout::kSouthernCaption : layout::kNorthernCaption));

    // Each Row starts at its default city, the entry its chooser will show selected.
    for (const Row row : kAllRows) {
        rows_.city[row] = layout::kRows[row].defaultCity;
        controls_.showCity(row, rows_.city[row]);
    }
    if (rows_.city[layout::kHonoluluRow] == layout::kHonolulu) {
        controls_.lblMati[layout::kHonoluluRow]->setToolTip(toQString(layout::kHonoluluTooltip));
    }
    state_.SwithFm = kOn;
    state_.SwithMae = kOff;
    controls_.txtTIdx->setFocus();
}

void Frm1::tmr00_Timer()
{
    // One reading per tick: every text of this tick comes from the same second.
    const WallClock::time_point reading = seams_.clock->now();
    const PerRow<bool> newTime = clockFace_.write(ToLocalSeconds(reading), rows_.city);
    // Aim the next tick at the next whole second of this reading; a late tick
    // re-aligns at once, an early one shows the same second and re-arms.
    tmr00->armAt(NextSecondBoundary(reading));
    clockFace_.paint(newTime);
}

void Frm1::applyOuterHeight(int outerTwips)
{
    const TwipsScale scale = TwipsScale::forWidget(this);
    fixedSize_->apply({width(),  // the width as laid out, edges rounded
                       ClientHeightFor(outerTwips, decoration_->heightPx(), scale.dpi(), devicePixelRatioF())});
}

bool Frm1::event(QEvent* event)
{
    painted_ = painted_ || event->type() == QEvent::Paint;
    const bool repaint = event->type() == QEvent::UpdateRequest;
    const bool handled = QWidget::event(event);
    if (repaint && painted_ && !buttonsNamed_) {
        nameButtonsForScreenReaders();
    }
    return handled;
}

void Frm1::nameButtonsForScreenReaders()
{
    // A screen reader names a button by what it does: the swatches have no caption,
    // and "E" says nothing when spoken. Named after a repaint once the window is on
    // the screen: the first name connects the toolkit to the accessibility bus,
    // which would otherwise hold up the window's first appearance.
    for (QPushButton* button : controls_.buttons()) {
        button->setAccessibleName(button->toolTip());
    }
    buttonsNamed_ = true;
}

void Frm1::showEvent(QShowEvent* event)
{
    // This runs before the native window is mapped: the window manager frames it at
    // the height set now.
    decoration_->awaitAnswer();
    applyOuterHeight(OuterHeightOf(state_.SwithFm));
    QWidget::showEvent(event);
}

}  // namespace orbalune
