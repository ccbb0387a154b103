// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frm1.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringListModel>
#include <algorithm>
#include <utility>
#include <vector>

#include "engine/clock_tick.h"
#include "platform/fixed_size_in_place.h"
#include "window/clickable_label.h"
#include "window/colours.h"
#include "window/fonts.h"
#include "window/icon.h"
#include "window/outer_height.h"
#include "window/qt_text.h"
#include "window/swatch_button.h"
#include "window/twips.h"

namespace orbalune {

namespace {

// A Row's control is known by its name and Row, as "lblMati(3)".
QString rowName(std::string_view control, Row row)
{
    return QStringLiteral("%1(%2)").arg(toQString(control)).arg(row.number());
}

// A control inherits its parent's font at creation for free. Setting an equal font
// afterwards still lays its text out again, and makes a chooser build its popup list
// there and then: time spent for nothing. (A Row's frame carries its time box's font,
// so the city label and a chooser in it are given theirs.)
void UseLayoutFont(QWidget& control, layout::FontKind kind)
{
    const QFont font = LayoutFont(kind);
    if (control.font() != font) {
        control.setFont(font);
    }
}

}  // namespace

const std::array<Frm1::ButtonSlot, 5> Frm1::kButtons{{{&Frm1::cmdMoji, &layout::kCmdMoji},
                                                      {&Frm1::cmdHaikei, &layout::kCmdHaikei},
                                                      {&Frm1::cmdMae, &layout::kCmdMae},
                                                      {&Frm1::cmdFm, &layout::kCmdFm},
                                                      {&Frm1::cmdEND, &layout::kCmdEND}}};

Frm1::Frm1(WindowSeams seams, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      seams_(std::move(seams)),
      outerHeightTwips_(layout::kWindow.client.height)
{
    setObjectName(QStringLiteral("frm1"));
    setWindowTitle(toQString(layout::kWindow.caption));
    setWindowIcon(OrbaluneIcon());
    setAutoFillBackground(true);
    SetBackgroundColour(*this, ColourFromBgr(layout::kWindow.background));

    // setGeometry places the client area (move() would place the frame).
    const TwipsScale scale = TwipsScale::forWidget(this);
    setGeometry(scale.rect(layout::kWindow.client));
    setFixedSize(size());  // a fixed border: the user cannot resize it
    fixedSize_ = new FixedSizeInPlace(*this);
    // Ask the window manager now for the frame it will give the window: it answers
    // while the controls are built, and the first map already has the right height.
    decoration_ = WatchDecoration(*this);
    connect(decoration_.get(), &WindowDecoration::changed, this, &Frm1::applyOuterHeight);

    createControls();
    applyTabOrder();
    CmnDialog1 = std::make_unique<CommonDialog>(*seams_.colours, this);

    tmr00 = seams_.timer.get();
    connectHandlers();

    Form_Load();
    // The timer runs from creation; its first tick lands on the next whole second.
    tmr00->armAt(NextSecondBoundary(seams_.clock->now()));
}

Frm1::~Frm1()
{
    if (tmr00 != nullptr) {
        tmr00->stop();
    }
}

void Frm1::createControls()
{
    const TwipsScale scale = TwipsScale::forWidget(this);
    const QColor background = ColourFromBgr(layout::kWindow.background);

    auto makeButton = [&](const layout::Button& drawn) {
        auto* button = new SwatchButton(toQString(drawn.caption), this);
        button->setObjectName(toQString(drawn.name));
        button->setGeometry(scale.rect(drawn.rect));
        UseLayoutFont(*button, drawn.font);
        button->setToolTip(toQString(drawn.tooltip));
        button->setAutoDefault(false);
        SetBackgroundColour(*button, background);
        return button;
    };
    for (const auto& [control, drawn] : kButtons) {
        this->*control = makeButton(*drawn);
    }

    const auto& focus = layout::kTxtTIdx;
    txtTIdx = new QLineEdit(this);
    txtTIdx->setObjectName(toQString(focus.name));
    txtTIdx->setGeometry(scale.rect(focus.rect));
    txtTIdx->setFrame(false);
    // It only holds the focus; read-only, so no caret blinks over Row 7.
    txtTIdx->setReadOnly(true);
    UseLayoutFont(*txtTIdx, focus.font);
    SetBackgroundColour(*txtTIdx, ColourFromBgr(focus.background));
    SetTextColour(*txtTIdx, ColourFromBgr(focus.text));

    for (const Row row : kAllRows) {
        createRow(row);
    }

    // Stacking: raise from the bottom of the list to its top.
    const auto& stacking = layout::kStackingTopFirst;
    std::for_each(stacking.rbegin(), stacking.rend(), [this](std::string_view name) {
        if (name == "fram1") {
            for (const Row row : kAllRows) {
                fram1[row]->raise();
            }
        } else if (auto* control = findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly)) {
            control->raise();
        }
    });
}

void Frm1::createRow(Row row)
{
    const TwipsScale scale = TwipsScale::forWidget(this);
    const layout::RowLayout& drawn = layout::kRows[row];
    const QColor background = ColourFromBgr(layout::kRowBackground);
    const QColor textColour = ResolveLayoutColour(layout::kRowText, palette());

    auto* frame = new QFrame(this);
    frame->setObjectName(rowName("fram1", row));
    frame->setFrameShape(QFrame::NoFrame);
    frame->setGeometry(scale.rect({drawn.frame.left, layout::kFrameTop, drawn.frame.width, layout::kFrameHeight}));
    frame->setAutoFillBackground(true);
    SetBackgroundColour(*frame, background);
    // A line edit lays its text out as it is made, in the font it inherits: made in
    // its frame's font, with its text, the time box is laid out once, not three times.
    UseLayoutFont(*frame, layout::FontKind::Bold105);
    fram1[row] = frame;

    // Creation order is stacking order within the frame: the time box is drawn
    // over the bottom of the date label, the chooser (built later) over everything.
    auto* city = new ClickableLabel(frame);
    city->setObjectName(rowName("lblMati", row));
    city->setGeometry(scale.rect({0, layout::kCityTop, drawn.cityWidth, layout::kCityHeight}));
    city->setAlignment(Qt::AlignCenter);
    UseLayoutFont(*city, layout::FontKind::WindowDefault);
    SetTextColour(*city, textColour);
    lblMati[row] = city;

    auto* date = new QLabel(toQString(layout::kUnsetText), frame);
    date->setObjectName(rowName("lblTukihi", row));
    date->setGeometry(scale.rect({drawn.date.left, layout::kDateTop, drawn.date.width, layout::kDateHeight}));
    date->setAlignment(Qt::AlignCenter);
    UseLayoutFont(*date, layout::FontKind::Regular75);
    SetTextColour(*date, textColour);
    lblTukihi[row] = date;

    auto* time = new QLineEdit(toQString(layout::kUnsetText), frame);
    time->setObjectName(rowName("txtJihun", row));
    time->setGeometry(scale.rect({drawn.time.left, layout::kTimeTop, drawn.time.width, layout::kTimeHeight}));
    time->setFrame(false);
    // It paints every pixel of its box: a repaint need not paint the frame and the
    // date label beneath it first, which every second would otherwise cost.
    time->setAttribute(Qt::WA_OpaquePaintEvent);
    time->setAlignment(Qt::AlignCenter);
    UseLayoutFont(*time, layout::FontKind::Bold105);
    SetBackgroundColour(*time, background);
    SetTextColour(*time, textColour);
    time->setCursorPosition(0);
    txtJihun[row] = time;
    // The city label names its time box, so a screen reader says whose time it reads.
    city->setBuddy(time);
}

QComboBox* Frm1::chooserOf(Row row)
{
    if (cmbMati[row] == nullptr) {
        createChooser(row);
    }
    return cmbMati[row];
}

void Frm1::createChooser(Row row)
{
    // Built the first time its Row is clicked, not at start: most Rows never change
    // city, and ten lists built for nothing cost start-up time and memory.
    const TwipsScale scale = TwipsScale::forWidget(this);
    const layout::RowLayout& drawn = layout::kRows[row];
    QLabel* city = lblMati[row];

    auto* chooser = new QComboBox(fram1[row]);  // created last in its frame: drawn over everything
    chooser->setObjectName(rowName("cmbMati", row));
    chooser->setEditable(false);
    chooser->setMaxVisibleItems(20);
    chooser->setModel(chooserModel(drawn.chooserList));
    chooser->setCurrentIndex(chooser->findText(city->text(), Qt::MatchExactly | Qt::MatchCaseSensitive));
    chooser->setGeometry(scale.rect({0, layout::kChooserTopAtCreation, drawn.chooserWidth, layout::kChooserHeight}));
    UseLayoutFont(*chooser, layout::FontKind::WindowDefault);
    // The Row's colours as they are now: its frame's background, its city's text.
    SetBackgroundColour(*chooser, fram1[row]->palette().color(QPalette::Window));
    SetTextColour(*chooser, city->palette().color(QPalette::WindowText));
    chooser->hide();
    cmbMati[row] = chooser;
    // activated, not currentIndexChanged: picking the entry that is already selected
    // must end choosing too, and the selection made here must not.
    connect(chooser, &QComboBox::activated, this,
            [this, row] { cmbMati_Click(static_cast<std::int16_t>(row.number())); });
    applyTabOrder();
}

QAbstractItemModel* Frm1::chooserModel(std::span<const std::u16string_view> list)
{
    // Rows that offer the same list share one model of it.
    for (const auto& [entries, model] : chooserModels_) {
        if (entries.data() == list.data() && entries.size() == list.size()) {
            return model;
        }
    }
    QStringList names;
    names.reserve(static_cast<qsizetype>(list.size()));
    for (const std::u16string_view entry : list) {
        names << toQString(entry);
    }
    auto* model = new QStringListModel(names, this);
    chooserModels_.emplace_back(list, model);
    return model;
}

void Frm1::applyTabOrder()
{
    std::vector<std::pair<int, QWidget*>> order{{layout::kTxtTIdx.tabIndex, txtTIdx}};
    for (const auto& [control, drawn] : kButtons) {
        order.emplace_back(drawn->tabIndex, this->*control);
    }
    for (const Row row : kAllRows) {
        const layout::RowTabs& tabs = layout::kRows[row].tabs;
        // Frames and labels are listed for completeness but never take the focus.
        order.insert(order.end(), {{tabs.frame, fram1[row]},
                                   {tabs.time, txtJihun[row]},
                                   {tabs.chooser, cmbMati[row]},
                                   {tabs.date, lblTukihi[row]},
                                   {tabs.city, lblMati[row]}});
    }
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : order) {
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) {  // a chooser not built yet
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void Frm1::connectHandlers()
{
    connect(tmr00, &TickTimer::fired, this, &Frm1::tmr00_Timer);
    connect(cmdHaikei, &QPushButton::clicked, this, &Frm1::cmdHaikei_Click);
    connect(cmdMoji, &QPushButton::clicked, this, &Frm1::cmdMoji_Click);
    connect(cmdMae, &QPushButton::clicked, this, &Frm1::cmdMae_Click);
    connect(cmdFm, &QPushButton::clicked, this, &Frm1::cmdFm_Click);
    connect(cmdEND, &QPushButton::clicked, this, &Frm1::cmdEND_Click);
    for (const Row row : kAllRows) {
        const auto index = static_cast<std::int16_t>(row.number());
        connect(lblMati[row], &ClickableLabel::clicked, this, [this, index] { lblMati_Click(index); });
    }
    // Esc quits, as the window's cancel button. An open list or a modal dialog
    // takes its own Esc first.
    auto* quit = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(quit, &QShortcut::activated, cmdEND, &QPushButton::click);
}

void Frm1::Form_Load()
{
    outerHeightTwips_ = layout::kShortOuterHeight;
    applyOuterHeight();

    const auto today = std::chrono::year_month_day{floor<std::chrono::days>(ToLocalSeconds(seams_.clock->now()))};
    const auto month = static_cast<unsigned>(today.month());
    const bool southernSummer = month <= 3 || month >= 11;
    setWindowTitle(toQString(southernSummer ? layout::kSouthernCaption : layout::kNorthernCaption));

    // Each Row starts at its default city, the entry its chooser will show selected.
    for (const Row row : kAllRows) {
        lblMati[row]->setText(toQString(layout::kRows[row].defaultCity));
    }
    auto* honolulu = lblMati[layout::kHonoluluRow];
    if (honolulu->text() == toQString(layout::kHonolulu)) {
        honolulu->setToolTip(toQString(layout::kHonoluluTooltip));
    }
    state_.SwithFm = kOn;
    state_.SwithMae = kOff;
    txtTIdx->setFocus();
}

void Frm1::applyOuterHeight()
{
    const int decoration = decoration_->heightPx();
    const TwipsScale scale = TwipsScale::forWidget(this);
    fixedSize_->apply({width(),  // the width as laid out, edges rounded
                       ClientHeightFor(outerHeightTwips_, decoration, scale.dpi(), devicePixelRatioF())});
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
    for (const auto& [control, drawn] : kButtons) {
        (this->*control)->setAccessibleName((this->*control)->toolTip());
    }
    buttonsNamed_ = true;
}

void Frm1::showEvent(QShowEvent* event)
{
    // This runs before the native window is mapped: the window manager frames it at
    // the height set now.
    decoration_->awaitAnswer();
    applyOuterHeight();
    QWidget::showEvent(event);
}

}  // namespace orbalune
