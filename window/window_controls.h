// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's controls: built from the layout tables, then drawn from the
// window's state by the handlers (a Row's city, a Row choosing, the colours).
// Nothing here decides what they show, and nothing reads them back.

#include <array>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/row.h"
#include "window/layout_data.h"

class QAbstractItemModel;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;

namespace orbalune {

class ClickableLabel;

// Names a Row's control as "name(row)", places it, and gives it the layout's font
// and the colours that reach it.
void LayInRow(QWidget& control, std::string_view name, Row row, const QRect& place, layout::FontKind font,
              layout::Coloured coloured, const ShownColours& colours);

class WindowControls {
public:
    // Builds every control but the choosers on `window`, as the layout shows them.
    explicit WindowControls(QWidget& window);

    // Builds Row's chooser on the entry `city`, in `colours`: the first time its Row
    // is clicked, not at start, since most Rows never change city.
    QComboBox* buildChooser(Row row, std::u16string_view city, const ShownColours& colours);
    void showCity(Row row, std::u16string_view city);
    // The chooser in the city label's place, at the top of the Row, or the label back.
    void showChoosing(Row row, bool choosing);
    // Every control the background (or the text) colour reaches takes `colour`, in the layout's order.
    void recolour(bool background, Colour colour);
    // The five buttons, in the order the background colour reaches them.
    [[nodiscard]] std::array<QPushButton*, 5> buttons() const;

    PerRow<QFrame*> fram1{};
    PerRow<ClickableLabel*> lblMati{};
    PerRow<QComboBox*> cmbMati{};  // each built when its Row is first clicked
    PerRow<QLabel*> lblTukihi{};
    PerRow<QLineEdit*> txtJihun{};
    QLineEdit* txtTIdx = nullptr;
    QPushButton* cmdMoji = nullptr;
    QPushButton* cmdHaikei = nullptr;
    QPushButton* cmdMae = nullptr;
    QPushButton* cmdFm = nullptr;
    QPushButton* cmdEND = nullptr;

private:
    void buildButtons();
    void buildFocusBox();
    void buildRow(Row row);
    void applyStacking();
    void applyTabOrder();
    QAbstractItemModel* chooserModel(std::span<const std::u16string_view> list);

    QWidget& window_;
    std::vector<std::pair<std::span<const std::u16string_view>, QAbstractItemModel*>> chooserModels_;
};

}  // namespace orbalune
