// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one window: ten city Rows side by side, five small buttons, the clock.
// Controls, handlers and window variables carry the names the program has always
// used for them (docs/architecture.md explains them); Row arrays are indexed by Row.

#include <QString>
#include <QWidget>
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/clock_tick.h"
#include "engine/row.h"
#include "window/common_dialog.h"
#include "window/layout_data.h"
#include "window/window_seams.h"

class QAbstractItemModel;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbalune {

class ClickableLabel;
class FixedSizeInPlace;

// -1 for true, 0 for false; changed only by bitwise complement.
using Switch = std::int16_t;
inline constexpr Switch kOn = -1;
inline constexpr Switch kOff = 0;

struct WindowState {
    std::int32_t MojiColr = 0;  // text colour last confirmed, 0x00BBGGRR
    std::int32_t BakColr = 0;   // background colour last confirmed, 0x00BBGGRR
    Switch SwithMae = kOff;     // -1: kept above other windows
    Switch SwithFm = kOn;       // -1: short height, 0: tall
};

class Frm1 final : public QWidget {
    Q_OBJECT
public:
    explicit Frm1(WindowSeams seams, QWidget* parent = nullptr);
    ~Frm1() override;

    [[nodiscard]] const WindowState& state() const { return state_; }

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
    // The five buttons with their layout, in the order the background colour reaches them.
    struct ButtonSlot {
        QPushButton* Frm1::*control;
        const layout::Button* drawn;
    };
    static const std::array<ButtonSlot, 5> kButtons;

    void createControls();
    void createRow(Row row);
    QComboBox* chooserOf(Row row);
    void createChooser(Row row);
    void applyTabOrder();
    QAbstractItemModel* chooserModel(std::span<const std::u16string_view> list);
    void connectHandlers();
    void ApplyMojiColr();
    void ApplyBakColr();
    // Outer height, title bar and borders included: again whenever the window
    // manager's decoration changes.
    void applyOuterHeight();
    void nameButtonsForScreenReaders();
    void pickColour(std::int32_t& field, void (Frm1::*apply)());
    // True when the time box changed: it is left for the caller to repaint.
    bool showTexts(Row row, std::u16string_view date, std::u16string_view time);

    WindowSeams seams_;
    WindowState state_;
    int outerHeightTwips_;
    std::unique_ptr<WindowDecoration> decoration_;
    FixedSizeInPlace* fixedSize_ = nullptr;
    bool painted_ = false;
    bool buttonsNamed_ = false;
    std::vector<std::pair<std::span<const std::u16string_view>, QAbstractItemModel*>> chooserModels_;
    // The Rows' texts as last worked out, for the local minute and the cities then shown.
    std::chrono::local_time<std::chrono::minutes> rowsMinute_{std::chrono::minutes::min()};
    PerRow<QString> rowCities_{};
    PerRow<std::optional<DateTimeTexts>> rowTexts_{};

    PerRow<QFrame*> fram1{};
    PerRow<ClickableLabel*> lblMati{};
    PerRow<QComboBox*> cmbMati{};  // each built when its Row is first clicked
    PerRow<QLabel*> lblTukihi{};
    PerRow<QLineEdit*> txtJihun{};
    QLineEdit* txtTIdx = nullptr;
    QPushButton* cmdEND = nullptr;
    QPushButton* cmdMoji = nullptr;
    QPushButton* cmdHaikei = nullptr;
    QPushButton* cmdMae = nullptr;
    QPushButton* cmdFm = nullptr;
    TickTimer* tmr00 = nullptr;
    std::unique_ptr<CommonDialog> CmnDialog1;
};

}  // namespace orbalune
