// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_controls.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "window/clickable_label.h"
#include "window/control_style.h"
#include "window/qt_text.h"
#include "window/swatch_button.h"
#include "window/twips.h"

namespace orbalune {

namespace {

using layout::Coloured;

// The buttons with their layout, in the order the background colour reaches them.
struct ButtonSlot {
    QPushButton* WindowControls::*control;
    const layout::Button* drawn;
    Coloured coloured;
};
constexpr std::array<ButtonSlot, 5> kButtons{{
    {&WindowControls::cmdMoji, &layout::kCmdMoji, Coloured::CmdMoji},
    {&WindowControls::cmdHaikei, &layout::kCmdHaikei, Coloured::CmdHaikei},
    {&WindowControls::cmdMae, &layout::kCmdMae, Coloured::CmdMae},
    {&WindowControls::cmdFm, &layout::kCmdFm, Coloured::CmdFm},
    {&WindowControls::cmdEND, &layout::kCmdEND, Coloured::CmdEND},
}};

}  // namespace

void LayInRow(QWidget& control, std::string_view name, Row row, const QRect& place, layout::FontKind font,
              Coloured coloured, const ShownColours& colours)
{
    control.setObjectName(RowControlName(name, row));
    control.setGeometry(place);
    UseLayoutFont(control, font);
    PaintAsReached(control, coloured, colours);
}

WindowControls::WindowControls(QWidget& window) : window_(window)
{
    window.setAutoFillBackground(true);
    PaintAsReached(window, Coloured::Window, layout::kLayoutColours);
    buildButtons();
    buildFocusBox();
    for (const Row row : kAllRows) {
        buildRow(row);
    }
    applyStacking();
    applyTabOrder();
}

void WindowControls::buildButtons()
{
    const TwipsScale scale = TwipsScale::forWidget(&window_);
    for (const auto& [control, drawn, coloured] : kButtons) {
        auto* button = new SwatchButton(toQString(drawn->caption), &window_);
        button->setObjectName(toQString(drawn->name));
        button->setGeometry(scale.rect(drawn->rect));
        UseLayoutFont(*button, drawn->font);
        button->setToolTip(toQString(drawn->tooltip));
        button->setAutoDefault(false);
        PaintAsReached(*button, coloured, layout::kLayoutColours);
        this->*control = button;
    }
}

void WindowControls::buildFocusBox()
{
    const auto& drawn = layout::kTxtTIdx;
    txtTIdx = new QLineEdit(&window_);
    txtTIdx->setObjectName(toQString(drawn.name));
    txtTIdx->setGeometry(TwipsScale::forWidget(&window_).rect(drawn.rect));
    txtTIdx->setFrame(false);
    // It only holds the focus; read-only, so no caret blinks over Row 7.
    txtTIdx->setReadOnly(true);
    UseLayoutFont(*txtTIdx, drawn.font);
    PaintAsReached(*txtTIdx, Coloured::TxtTIdx, layout::kLayoutColours);
    SetTextColour(*txtTIdx, drawn.text);
}

void WindowControls::buildRow(Row row)
{
    const TwipsScale scale = TwipsScale::forWidget(&window_);
    const layout::RowLayout& drawn = layout::kRows[row];
    const ShownColours& colours = layout::kLayoutColours;

    auto* frame = new QFrame(&window_);
    frame->setObjectName(RowControlName("fram1", row));
    frame->setFrameShape(QFrame::NoFrame);
    frame->setGeometry(scale.rect({drawn.frame.left, layout::kFrameTop, drawn.frame.width, layout::kFrameHeight}));
    frame->setAutoFillBackground(true);
    PaintAsReached(*frame, Coloured::Frame, colours);
    // A line edit lays its text out as it is made, in the font it inherits: made in
    // its frame's font, with its text, the time box is laid out once, not three times.
    UseLayoutFont(*frame, layout::FontKind::Bold105);
    fram1[row] = frame;

    // Creation order is stacking order within the frame: the time box is drawn
    // over the bottom of the date label, the chooser (built later) over everything.
    auto* city = new ClickableLabel(frame);
    LayInRow(*city, "lblMati", row, scale.rect({0, layout::kCityTop, drawn.cityWidth, layout::kCityHeight}),
             layout::FontKind::WindowDefault, Coloured::City, colours);
    city->setAlignment(Qt::AlignCenter);
    lblMati[row] = city;

    auto* date = new QLabel(toQString(layout::kUnsetText), frame);
    LayInRow(*date, "lblTukihi", row,
             scale.rect({drawn.date.left, layout::kDateTop, drawn.date.width, layout::kDateHeight}),
             layout::FontKind::Regular75, Coloured::Date, colours);
    date->setAlignment(Qt::AlignCenter);
    lblTukihi[row] = date;

    auto* time = new QLineEdit(toQString(layout::kUnsetText), frame);
    LayInRow(*time, "txtJihun", row,
             scale.rect({drawn.time.left, layout::kTimeTop, drawn.time.width, layout::kTimeHeight}),
             layout::FontKind::Bold105, Coloured::Time, colours);
    time->setFrame(false);
    // It paints every pixel of its box: a repaint need not paint the frame and the
    // date label beneath it first, which every second would otherwise cost.
    time->setAttribute(Qt::WA_OpaquePaintEvent);
    time->setAlignment(Qt::AlignCenter);
    time->setCursorPosition(0);
    txtJihun[row] = time;
    // The city label names its time box, so a screen reader says whose time it reads.
    city->setBuddy(time);
}

void WindowControls::applyStacking()
{
    // Raise from the bottom of the list to its top.
    const auto& stacking = layout::kStackingTopFirst;
    std::for_each(stacking.rbegin(), stacking.rend(), [this](std::string_view name) {
        if (name == "fram1") {
            for (const Row row : kAllRows) {
                fram1[row]->raise();
            }
        } else {
            window_.findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly)->raise();
        }
    });
}

void WindowControls::applyTabOrder()
{
    std::vector<std::pair<int, QWidget*>> order{{layout::kTxtTIdx.tabIndex, txtTIdx}};
    for (const auto& slot : kButtons) {
        order.emplace_back(slot.drawn->tabIndex, this->*slot.control);
    }
    for (const Row row : kAllRows) {
        const layout::RowTabs& tabs = layout::kRows[row].tabs;
        order.insert(order.end(), {{tabs.time, txtJihun[row]}, {tabs.chooser, cmbMati[row]}});
    }
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : order) {
        if (widget == nullptr) {  // a chooser not built yet
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void WindowControls::showCity(Row row, std::u16string_view city) { lblMati[row]->setText(toQString(city)); }

void WindowControls::recolour(bool background, Colour colour)
{
    const auto recolour = [&](QWidget* control, Coloured which) {
        const layout::ColourReach reach = layout::ReachOf(which);
        if (control != nullptr && (background ? reach.background : reach.text)) {  // null: a chooser not built yet
            (background ? SetBackgroundColour : SetTextColour)(*control, colour);
        }
    };
    // In the order the colour reaches them: the window's own controls, then each Row's.
    recolour(&window_, Coloured::Window);
    for (const ButtonSlot& slot : kButtons) {
        recolour(this->*slot.control, slot.coloured);
    }
    recolour(txtTIdx, Coloured::TxtTIdx);
    for (const Row row : kAllRows) {
        recolour(fram1[row], Coloured::Frame);
        recolour(cmbMati[row], Coloured::Chooser);
        recolour(lblMati[row], Coloured::City);
        recolour(lblTukihi[row], Coloured::Date);
        recolour(txtJihun[row], Coloured::Time);
    }
}

std::array<QPushButton*, 5> WindowControls::buttons() const { return {cmdMoji, cmdHaikei, cmdMae, cmdFm, cmdEND}; }

}  // namespace orbalune
