// SPDX-License-Identifier: GPL-3.0-or-later
// A Row's chooser: built the first time its Row is clicked, on the Row's city and
// in the colours last applied, then shown in the city label's place or hidden.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <algorithm>

#include "window/clickable_label.h"
#include "window/control_style.h"
#include "window/qt_text.h"
#include "window/twips.h"
#include "window/window_controls.h"

namespace orbalune {

QComboBox* WindowControls::buildChooser(Row row, std::u16string_view city, const ShownColours& colours)
{
    const layout::RowLayout& drawn = layout::kRows[row];
    auto* chooser = new QComboBox(fram1[row]);  // created last in its frame: drawn over everything
    LayInRow(*chooser, "cmbMati", row,
             TwipsScale::forWidget(&window_).rect(
                 {0, layout::kChooserTopAtCreation, drawn.chooserWidth, layout::kChooserHeight}),
             layout::FontKind::WindowDefault, layout::Coloured::Chooser, colours);
    chooser->setEditable(false);
    chooser->setMaxVisibleItems(layout::kChooserVisibleEntries);
    chooser->setModel(chooserModel(drawn.chooserList));
    chooser->setCurrentIndex(static_cast<int>(std::ranges::find(drawn.chooserList, city) - drawn.chooserList.begin()));
    chooser->hide();
    cmbMati[row] = chooser;
    applyTabOrder();
    return chooser;
}

QAbstractItemModel* WindowControls::chooserModel(std::span<const std::u16string_view> list)
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
    auto* model = new QStringListModel(names, &window_);
    chooserModels_.emplace_back(list, model);
    return model;
}

void WindowControls::showChoosing(Row row, bool choosing)
{
    QComboBox* chooser = cmbMati[row];
    if (choosing) {
        lblMati[row]->hide();
        chooser->show();
        chooser->move(chooser->x(), TwipsScale::forWidget(&window_).px(layout::kChooserTopWhileChoosing));
        chooser->setFocus(Qt::MouseFocusReason);  // so the keyboard can open the list too
        return;
    }
    const bool hadFocus = chooser->hasFocus();
    chooser->hide();
    if (hadFocus) {
        // Back to the invisible focus holder, not on to the next time box, which
        // would show its text selected.
        txtTIdx->setFocus(Qt::OtherFocusReason);
    }
    lblMati[row]->show();
}

}  // namespace orbalune
