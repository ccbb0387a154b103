#pragma once
// The one window: ten city Rows side by side, five small buttons, the clock.
// Controls, handlers and window variables carry the names the program has always
// used for them; Row arrays are indexed 1 to 10 (slot 0 is unused).

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "common_dialog.h"
#include "seams.h"
#include "window_decoration.h"

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
    [[nodiscard]] const CommonDialog& colourDialog() const { return *CmnDialog1; }

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
    void createControls();
    void createRow(int row);
    QComboBox* chooserOf(int row);
    void createChooser(int row);
    void applyTabOrder();
    QAbstractItemModel* chooserModel(std::span<const std::u16string_view> list);
    void connectHandlers();
    void ApplyMojiColr();
    void ApplyBakColr();
    // Outer height, title bar and borders included: again whenever the window
    // manager's decoration changes.
    void applyOuterHeight();
    void letServerFinishReading();
    void nameButtonsForScreenReaders();
    void pickColour(std::int32_t& field, void (Frm1::*apply)());
    void showTexts(int row, std::u16string_view date, std::u16string_view time);

    WindowSeams seams_;
    WindowState state_;
    int outerHeightTwips_;
    std::unique_ptr<WindowDecoration> decoration_;
    FixedSizeInPlace* fixedSize_ = nullptr;
    bool sharesPixelsWithServer_ = false;
    bool painted_ = false;
    bool buttonsNamed_ = false;
    std::vector<std::pair<std::span<const std::u16string_view>, QAbstractItemModel*>> chooserModels_;

    std::array<QFrame*, 11> fram1{};
    std::array<ClickableLabel*, 11> lblMati{};
    std::array<QComboBox*, 11> cmbMati{};  // each built when its Row is first clicked
    std::array<QLabel*, 11> lblTukihi{};
    std::array<QLineEdit*, 11> txtJihun{};
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
