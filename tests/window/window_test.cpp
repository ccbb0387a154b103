// SPDX-License-Identifier: GPL-3.0-or-later
// The real window driven as a user drives it, with a fake clock, timer, colour
// dialog and stacking request. Runs at 96 DPI and at 144; `window_test longRun`
// with ORBALUNE_TICKS=604800 is the seven-day soak, ORBALUNE_SEED replays another.

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFontInfo>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <fstream>
#include <random>

#include "fake_window.h"
#include "window/application_setup.h"
#include "window/outer_height.h"

using namespace std::chrono;
using namespace std::chrono_literals;
using orbalune::kAllRows;
using orbalune::Row;
using orbalune::WallClock;
using orbalune::testing::FakeWindow;

namespace {

const WallClock::time_point kWorked = sys_days{2008y / June / 29} + 8h + 30min + 15s;
const QColor kGreen(128, 255, 128), kRed(255, 0, 0), kBlue(0, 0, 255);

// One letter a Row: S showing its city, C choosing, X both or neither (never allowed).
QString rowStates(const FakeWindow& w)
{
    QString out;
    for (const Row r : kAllRows) {
        const QWidget* chooser = w.row("cmbMati", r);  // built when its Row is first clicked
        const bool label = w.row("lblMati", r)->isVisibleTo(w.window.get());
        out += label == (chooser != nullptr && chooser->isVisibleTo(w.window.get())) ? u'X' : label ? u'S' : u'C';
    }
    return out;
}

// Picks an entry as a user does: click the city (unless choosing already), open the list, click the entry.
void choose(FakeWindow& w, Row row, const QString& entry)
{
    if (w.row("lblMati", row)->isVisible()) {
        QTest::mouseClick(w.row("lblMati", row), Qt::LeftButton);
    }
    auto* combo = w.row<QComboBox>("cmbMati", row);
    const QModelIndex item = combo->model()->index(combo->findText(entry, Qt::MatchExactly), 0);
    QVERIFY2(combo->isVisible() && item.isValid(), qPrintable(entry));
    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    combo->view()->scrollTo(item);
    QTest::mouseClick(combo->view()->viewport(), Qt::LeftButton, {}, combo->view()->visualRect(item).center());
    QTRY_VERIFY(!combo->isVisible());
}

QColor painted(QWidget* widget, int at = 3) { return widget->grab().toImage().pixelColor(at, at); }
QColor colour(const QWidget* widget, QPalette::ColorRole role) { return widget->palette().color(role); }
QString texts(const QWidget* a) { return a->property("text").toString() + a->toolTip() + a->accessibleName(); }

// Every control in its colours: the background where the window paints one (city and date
// labels are transparent), the text colour in the Rows, black text in txtTIdx. Choosers
// are judged once built.
void expectColours(const FakeWindow& w, const QColor& back, const QColor& text)
{
    QCOMPARE(colour(w.window.get(), QPalette::Window), back);
    for (const char* button : {"cmdMoji", "cmdHaikei", "cmdMae", "cmdFm", "cmdEND"}) {
        QCOMPARE(painted(w.find(QLatin1String(button))), back);  // the exact colour, not a shaded button face
    }
    QVERIFY(colour(w.find("txtTIdx"), QPalette::Base) == back &&
            colour(w.find("txtTIdx"), QPalette::Text) == Qt::black);
    for (const Row r : kAllRows) {
        const QWidget* chooser = w.row("cmbMati", r);
        QVERIFY(colour(w.row("fram1", r), QPalette::Window) == back &&
                (!chooser || colour(chooser, QPalette::Button) == back));
        QVERIFY(colour(w.row("txtJihun", r), QPalette::Base) == back &&
                colour(w.row("txtJihun", r), QPalette::Text) == text);
        QVERIFY(!w.row("lblMati", r)->autoFillBackground() && !w.row("lblTukihi", r)->autoFillBackground());
        QVERIFY(!chooser || colour(chooser, QPalette::WindowText) == text);
        for (const char* control : {"lblMati", "lblTukihi"}) {
            QCOMPARE(colour(w.row(control, r), QPalette::WindowText), text);
        }
    }
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
    double dpi_ = 96;

private slots:
    void initTestCase()
    {
        orbalune::PrepareApplication(*qApp);
        QCOMPARE(QApplication::translate("QColorDialog", "Select Color"),
                 QStringLiteral("色を選択"));  // Qt's dialogs in Japanese
        dpi_ = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        QCOMPARE(dpi_, qEnvironmentVariable("ORBALUNE_EXPECT_DPI", QStringLiteral("96")).toDouble());
    }

    void startUpAndLayout()
    {
        FakeWindow w(kWorked - 400ms);
        auto check = [&](const QWidget* c, int left, int top, int width, int height) {  // each edge within 0.5 px
            const QRect r = c->geometry();
            const int got[] = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
            const int want[] = {left, top, left + width, top + height};
            for (int i = 0; i < 4; ++i) {
                QVERIFY2(std::abs(got[i] - want[i] * dpi_ / 1440) <= 0.5 + 1e-9,
                         qPrintable(c->objectName() + QString::number(i)));
            }
        };
        struct Inner {
            int frame, city, dateLeft, date, timeLeft, time, chooser;
        };
        const Inner europeAsia{1050, 1080, 120, 756, 120, 750, 1050}, home{1070, 1000, 150, 700, 0, 1020, 1050},
            row7{1176, 1104, 120, 756, 120, 780, 1176}, americas{1176, 1200, 120, 756, 120, 780, 1176};
        for (const Row r : kAllRows) {
            const int n = r.number();
            const Inner& g = n <= 5 ? europeAsia : n == 6 ? home : n == 7 ? row7 : americas;
            check(w.row("fram1", r), n <= 7 ? 1080 * (n - 1) : 6480 + 1200 * (n - 7), 0, g.frame, 1100);
            check(w.row("lblMati", r), 0, 80, g.city, 180);
            check(w.row("lblTukihi", r), g.dateLeft, 300, g.date, 204);
            check(w.row("txtJihun", r), g.timeLeft, 450, g.time, 200);
            QVERIFY(w.row("cmbMati", r) == nullptr);  // no chooser is built before its Row is clicked
        }
        // Three swatches in a column at the right edge, 240 twips apart; cmdFm over Row 1.
        for (const auto& [name, left, top] : {std::tuple{"cmdMoji", 11250, 50},
                                              {"cmdHaikei", 11250, 290},
                                              {"cmdMae", 11250, 530},
                                              {"cmdFm", 50, 530}}) {
            check(w.find(QLatin1String(name)), left, top, 100, 180);
        }
        check(w.find("cmdEND"), 7510, 350, 210, 336);
        check(w.find("txtTIdx"), 7570, 120, 60, 180);

        const QStringList defaults{"ロンドン", "パ　リ",   "モスクワ", "ニューデリー", "シンガポール",
                                   "東　京",   "シドニー", "ホノルル", "ロサンゼルス", "ニューヨーク"};
        for (const Row r : kAllRows) {
            auto* city = w.row<QLabel>("lblMati", r);
            auto* time = w.row<QLineEdit>("txtJihun", r);
            QCOMPARE(city->text(), defaults[r.number() - 1]);
            QCOMPARE(city->toolTip(), QString::fromUtf8(r == Row::number(8) ? "ハワイは夏時間を使ってません" : ""));
            QCOMPARE(w.dateOf(r) + w.timeOf(r), QStringLiteral("======"));
            QCOMPARE(city->alignment() | w.row<QLabel>("lblTukihi", r)->alignment(), Qt::Alignment(Qt::AlignCenter));
            QVERIFY(time->font().pointSizeF() == 10.5 && time->font().bold() && !time->hasFrame());
            QVERIFY(w.row("lblTukihi", r)->font().pointSizeF() == 7.5 && !w.row("lblTukihi", r)->font().bold());
            QCOMPARE(city->font(), w.window->font());
        }
        QCOMPARE(QFontInfo(w.window->font()).family() + QFontInfo(w.row("txtJihun", Row::number(1))->font()).family(),
                 QStringLiteral("IPAPGothicIPAPGothic"));  // a Japanese gothic, not a fallback, for both kinds
        expectColours(w, kGreen, QApplication::palette().color(QPalette::Text));
        QVERIFY(!w.find<QLineEdit>("txtTIdx")->hasFrame() && w.find("txtTIdx")->font().pointSizeF() == 7.5 &&
                w.find("cmdEND")->font().pointSizeF() == 7.5);
        const auto& s = w.window->state();
        QVERIFY(s.SwithFm == -1 && s.SwithMae == 0 && s.MojiColr == 0 && s.BakColr == 0 &&
                w.stacking->requests.empty());
        QCOMPARE(w.timer->target, kWorked);  // the first tick lands on the next whole second
        QCOMPARE(rowStates(w), QStringLiteral("SSSSSSSSSS"));
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        check(w.window.get(), 495, 720, 11415, static_cast<int>(w.window->height() * 1440 / dpi_));
        w.tickAt(kWorked);  // the buttons are named for screen readers after a repaint of the shown window
        const std::array<std::array<const char*, 3>, 5> buttons{{{"cmdFm", "", "フォームを下へ伸ばします"},
                                                                 {"cmdEND", "E", "終ります"},
                                                                 {"cmdMae", "", "常に前面に置きます"},
                                                                 {"cmdHaikei", "", "背景色を変えます"},
                                                                 {"cmdMoji", "", "文字色を変えます"}}};
        for (const auto& [name, caption, tip] : buttons) {  // caption, tooltip, and the name a screen reader says
            QTRY_COMPARE(texts(w.find(QLatin1String(name))),
                         QString::fromUtf8(caption) + QString::fromUtf8(tip) + QString::fromUtf8(tip));
        }
        for (const Row r : kAllRows) {  // a clicked city gives way to its chooser, the city selected
            const int n = r.number();
            const Inner& g = n <= 5 ? europeAsia : n == 6 ? home : n == 7 ? row7 : americas;
            QTest::mouseClick(w.row("lblMati", r), Qt::LeftButton);
            auto* combo = w.row<QComboBox>("cmbMati", r);
            check(combo, 0, 0, g.chooser, 276);
            QVERIFY(combo->currentText() == defaults[r.number() - 1] && combo->font() == w.window->font() &&
                    combo->isVisible());
        }
    }

    // Outer heights (device pixels) under title bars of real desktops, at 96 and 192 DPI and at Qt's scales 2 and 1.5:
    // 1180 and 1220 twips, or, under a title bar too tall for that, the time boxes whole and 40 twips more.
    void outerHeightsUnderTitleBars()
    {
        const std::array<double, 5> rows[] = {{21, 96, 1, 79, 81},    {0, 96, 1, 79, 81},     {37, 96, 1, 81, 84},
                                              {100, 96, 1, 144, 147}, {33, 192, 1, 157, 163}, {33, 96, 2, 157, 163},
                                              {37, 96, 2, 157, 163},  {56, 96, 1.5, 122, 125}};
        for (const auto& [decoration, dpi, ratio, shortOuter, tallOuter] : rows) {
            const auto outer = [&](int twips) {
                return decoration + ratio * orbalune::ClientHeightFor(twips, static_cast<int>(decoration), dpi, ratio);
            };
            QCOMPARE(QList<double>({outer(1180), outer(1220)}), QList<double>({shortOuter, tallOuter}));
        }
    }

    void captionByTheMonthOfStartUp()
    {
        const QString north =
            QStringLiteral("Orbalune　(4月-10月：北半球は夏時間に御注意！)  /　(都市名はクリックで変更できます)");
        const QString south =
            QStringLiteral("Orbalune　(10月-3月：南半球は夏時間に御注意！)　/　(都市名はクリックで変更できます)");
        for (const auto& [month, caption] :
             {std::pair{3U, south}, {4U, north}, {10U, north}, {11U, south}, {12U, south}, {1U, south}}) {
            const auto last = sys_days{2009y / std::chrono::month(month) / std::chrono::last} + 23h + 59min + 59s;
            FakeWindow w(last);  // the month's last second; a tick in the next month changes nothing
            w.tickAt(last + 1s);
            QCOMPARE(w.window->windowTitle(), caption);
        }
    }

    void chooserLists()
    {
        FakeWindow w(kWorked);
        orbalune::PerRow<QStringList> lists;
        for (const Row r : kAllRows) {
            w.window->lblMati_Click(static_cast<std::int16_t>(r.number()));
            auto* combo = w.row<QComboBox>("cmbMati", r);
            QVERIFY(!combo->isEditable());
            for (int i = 0; i < combo->count(); ++i) {
                const QString entry = lists[r].emplace_back(combo->itemText(i));
                // Every entry but the home row's is a city of the table, spelled exactly.
                QCOMPARE(orbalune::FindCityOffset(entry.toStdU16String()).has_value(), r != orbalune::HomeRow);
                QVERIFY(!entry.front().isSpace() && (!entry.back().isSpace() || entry == QStringLiteral("山　梨　")));
                QVERIFY(!entry.startsWith(u'夏') ||
                        lists[r].at(i - 1) == entry.mid(1));  // each summer entry after its city
            }
        }
        const auto list = [&](int n) { return lists[*Row::fromNumber(n)]; };
        QVERIFY(list(1) == list(2) && list(1) == list(3) && list(8) == list(9) && list(8) == list(10));
        QCOMPARE(list(7) + QStringList{QStringLiteral("昭和基地")}, list(5));
        // Any other entry out of place or misspelt changes this digest of all ten lists in order.
        QStringList all;
        for (const Row r : kAllRows) {
            all += lists[r];
        }
        QCOMPARE(QCryptographicHash::hash(all.join(u'|').toUtf8(), QCryptographicHash::Sha1).toHex(),
                 QByteArray("5a2d4da5bb99d47056622fc31e092b2076028863"));
    }

    void stackingTabOrderAndFocus()
    {
        FakeWindow w(kWorked);
        QStringList bottomToTop;
        for (const QWidget* child : w.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            bottomToTop << child->objectName();
        }
        QCOMPARE(bottomToTop.join(u' '),
                 QStringLiteral("cmdMoji cmdHaikei cmdMae fram1(1) fram1(2) fram1(3) fram1(4) fram1(5) "
                                "fram1(6) fram1(7) fram1(8) fram1(9) fram1(10) cmdEND txtTIdx cmdFm"));
        const QRect date =
            w.row("lblTukihi", Row::number(3))->geometry();  // the time box covers the date label's bottom
        QCOMPARE(w.row("fram1", Row::number(3))->childAt(date.center().x(), date.bottom()),
                 w.row("txtJihun", Row::number(3)));
        w.window->show();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QCOMPARE(QApplication::focusWidget(), w.find("txtTIdx"));
        w.find("cmdMoji")->setFocus();  // a focused swatch shows it by its edge
        QCOMPARE(painted(w.find("cmdMoji"), 0), w.find("cmdMoji")->palette().color(QPalette::Highlight));
        QString expected = QStringLiteral("txtTIdx cmdEND cmdMoji cmdHaikei cmdMae");
        for (const Row r : kAllRows) {
            w.window->lblMati_Click(
                static_cast<std::int16_t>(r.number()));  // a shown chooser takes its place: first in 4, 7, 9
            const int n = r.number();
            expected += QString::fromLatin1(n == 4 || n == 7 || n == 9 ? " cmbMati(%1) txtJihun(%1)"
                                                                       : " txtJihun(%1) cmbMati(%1)")
                            .arg(n);
        }
        QStringList chain{QStringLiteral("txtTIdx")};
        for (QWidget* widget = w.find("txtTIdx")->nextInFocusChain(); widget != w.find("txtTIdx");
             widget = widget->nextInFocusChain()) {
            if (widget->focusPolicy() != Qt::NoFocus) {
                chain << widget->objectName();
            }
        }
        QCOMPARE(chain.join(u' '), expected + QStringLiteral(" cmdFm"));
    }

    void eachTickShowsItsOwnReading()
    {
        // From a year's last second: the next second early and late in it, a late tick,
        // the clock set forwards and back, a resume a day later in mid-second.
        const WallClock::time_point first = sys_days{2008y / December / 31} + 23h + 59min + 59s;
        for (const milliseconds jump :
             {1001ms, 1999ms, 3700ms, milliseconds{1h}, milliseconds{-1h}, milliseconds{-24h}, 24h + 730ms}) {
            FakeWindow w(first);
            w.tickAt(first);
            w.tickAt(first + jump);
            QCOMPARE(w.differenceFrom(first + jump), QString());
            QCOMPARE(w.timer->target,
                     WallClock::time_point{floor<seconds>(first + jump) + 1s});  // the next whole second
        }
        // A clock that moves on a second with every reading, across midnight: every text
        // of a tick, and the aim of the next, come from the tick's one reading.
        FakeWindow w(first);
        w.clock->step = 1s;
        w.tickAt(first);
        QVERIFY(w.differenceFrom(first).isEmpty() && w.timer->target == first + 1s);
    }

    void choosing()
    {
        FakeWindow w(kWorked);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QTest::mouseClick(w.row("lblMati", Row::number(2)),
                          Qt::RightButton);  // only a left click, released on the label, chooses
        QTest::mousePress(w.row("lblMati", Row::number(2)), Qt::LeftButton);
        QTest::mouseRelease(w.row("lblMati", Row::number(2)), Qt::LeftButton, {}, {-3, -3});
        QCOMPARE(rowStates(w), QStringLiteral("SSSSSSSSSS"));
        for (const Row r : {Row::number(2), Row::number(7)}) {
            QTest::mouseClick(w.row("lblMati", r), Qt::LeftButton);
        }
        QCOMPARE(rowStates(w), QStringLiteral("SCSSSSCSSS"));
        w.tickAt(kWorked + 1h);  // a Row choosing follows its old city
        QCOMPARE(w.differenceFrom(kWorked + 1h), QString());
        w.row("cmbMati", Row::number(7))->setFocus();
        QTest::keyClick(w.row("cmbMati", Row::number(7)), Qt::Key_Down);  // a keyboard selection takes the choice too
        QVERIFY(w.cityOf(Row::number(7)) == QStringLiteral("夏シドニー") &&
                QApplication::focusWidget() == w.find("txtTIdx"));
        QCOMPARE(rowStates(w), QStringLiteral("SCSSSSSSSS"));
        choose(w, Row::number(2), QStringLiteral("夏パ　リ"));
        QCOMPARE(w.cityOf(Row::number(2)) + w.timeOf(Row::number(2)),
                 QStringLiteral("夏パ\u3000リ01:30"));  // the old city's time until the next tick
        QCOMPARE(QAccessible::queryAccessibleInterface(w.row("txtJihun", Row::number(2)))->text(QAccessible::Name),
                 w.cityOf(Row::number(2)));
        w.tickAt(kWorked + 1h + 1s);
        QCOMPARE(w.differenceFrom(kWorked + 1h + 1s), QString());
        choose(w, Row::number(8), QStringLiteral("ホノルル"));  // the entry already selected also ends choosing
        choose(w, Row::number(8), QStringLiteral("シカゴ"));
        choose(w, Row::number(9), QStringLiteral("ホノルル"));
        choose(w, Row::number(6), QStringLiteral("山　梨　"));
        QCOMPARE(w.cityOf(Row::number(6)), QStringLiteral("山\u3000梨\u3000"));  // exactly, its closing space too
        QCOMPARE(rowStates(w), QStringLiteral("SSSSSSSSSS"));
        QCOMPARE(w.row("lblMati", Row::number(8))->toolTip() + w.row("lblMati", Row::number(9))->toolTip(),
                 QStringLiteral("ハワイは夏時間を使ってません"));
        // A name the table does not know leaves its Row as it was; typed text lasts one tick.
        w.row<QLabel>("lblMati", Row::number(3))->setText(QStringLiteral("モスクワ "));
        w.row<QLineEdit>("txtJihun", Row::number(1))->setText(QStringLiteral("typed"));
        w.tickAt(kWorked + 5h);
        QCOMPARE(w.timeOf(Row::number(3)) + w.differenceFrom(kWorked + 5h), QStringLiteral("03:30"));
    }

    void colours()
    {
        FakeWindow w(kWorked);
        const QColor systemText = QApplication::palette().color(QPalette::Text);
        w.colours->answers = {std::nullopt, std::nullopt, kRed, std::nullopt, kBlue};
        const auto openChoosers = [&](int from, int to) {
            for (int n = from; n <= to; ++n) {
                w.window->lblMati_Click(static_cast<std::int16_t>(n));
            }
        };
        openChoosers(1, 5);  // recoloured as they are; the others are built in the colours of their time
        for (const char* button : {"cmdHaikei", "cmdMoji", "cmdHaikei", "cmdMoji", "cmdMoji"}) {
            QTest::mouseClick(w.find(QLatin1String(button)), Qt::LeftButton);
            if (w.colours->answers.size() == 3) {  // both cancelled: nothing changed
                QVERIFY(w.window->state().BakColr == 0 && w.window->state().MojiColr == 0);
                expectColours(w, kGreen, systemText);
            } else if (w.colours->answers.size() == 2) {
                QCOMPARE(w.window->state().BakColr, 0x000000FF);  // 0x00BBGGRR: red in the low byte
                expectColours(w, kRed, systemText);
            }
        }
        // Each confirmed colour is the next preset of either dialog; a cancel keeps it.
        QCOMPARE(w.colours->presets, (std::vector<QColor>{Qt::black, Qt::black, Qt::black, kRed, kRed}));
        QCOMPARE(w.window->state().MojiColr, 0x00FF0000);
        openChoosers(6, 10);
        expectColours(w, kRed, kBlue);
        // Only a cancel is a cancel: a dialog that fails is no choice of the user's.
        w.colours->answers = {QColor()};
        QVERIFY_THROWS_EXCEPTION(std::bad_alloc, w.window->cmdHaikei_Click());
        QCOMPARE(w.window->state().BakColr, 0x000000FF);
    }

    void switches()
    {
        FakeWindow w(kWorked);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        auto outerIs = [&](int twips) {
            return std::abs(w.window->frameGeometry().height() - twips * dpi_ / 1440) <= 0.5;
        };
        QTRY_VERIFY(outerIs(1180));
        const QRect start = w.window->geometry();
        QWidget* mae = w.find("cmdMae");
        QTest::mouseClick(mae, Qt::LeftButton);
        QCOMPARE(texts(mae), QStringLiteral("元へ常に前面をキャンセルします常に前面をキャンセルします"));
        QTest::mouseClick(w.find("cmdFm"), Qt::LeftButton);
        QTRY_VERIFY(outerIs(1220));
        QVERIFY(w.window->state().SwithMae == -1 && w.window->state().SwithFm == 0);
        QTest::mouseClick(mae, Qt::LeftButton);
        QCOMPARE(texts(mae), QStringLiteral("前へ常に前面に置きます常に前面に置きます"));
        QTest::mouseClick(w.find("cmdFm"), Qt::LeftButton);
        QTRY_VERIFY(outerIs(1180));
        QVERIFY(w.window->state().SwithMae == 0 && w.window->state().SwithFm == -1 && w.window->geometry() == start);
        QCOMPARE(w.stacking->requests, (std::vector<bool>{true, false}));
        QCOMPARE(w.find("cmdFm")->toolTip(), QStringLiteral("フォームを下へ伸ばします"));
    }

    void quitting()
    {
        for (const auto& [escape, choosingRow] : {std::pair{false, 0}, {false, 3}, {true, 0}, {true, 3}}) {
            FakeWindow w(kWorked);
            w.window->show();
            QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
            if (choosingRow != 0) {  // also while a Row chooses, and Esc on its closed chooser
                QTest::mouseClick(w.row("lblMati", *Row::fromNumber(choosingRow)), Qt::LeftButton);
            }
            escape ? QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape)
                   : QTest::mouseClick(w.find("cmdEND"), Qt::LeftButton);
            QTRY_VERIFY(!w.window->isVisible() && w.timer->stopped);
        }
    }

    // A tick every second, random use of every control in between, each tick judged by the oracle.
    void longRun()
    {
        const unsigned seed = qEnvironmentVariable("ORBALUNE_SEED", QStringLiteral("20081231")).toUInt();
        const long ticks = qEnvironmentVariable("ORBALUNE_TICKS", QStringLiteral("1500")).toLong();
        qInfo("seed %u, %ld ticks (ORBALUNE_SEED and ORBALUNE_TICKS replay it)", seed, ticks);
        std::mt19937 random(seed);
        FakeWindow w(sys_days{2008y / December / 31} + 23h + 59min + 30s + 250ms);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const QString pastes[] = {QString(200000, u'夏'),           QStringLiteral("\t\r\n\x01\x1b[31m\x7f"),
                                  QStringLiteral("\u202eロンドン"), QString(QChar(0xD800)) + QChar(0xDFFF),
                                  QStringLiteral("パ　リ"),         QString()};
        const Qt::Key keys[] = {Qt::Key_A,      Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Space,
                                Qt::Key_Return, Qt::Key_Down, Qt::Key_Up,      Qt::Key_F4};
        auto residentKiB = [] {
            std::ifstream s("/proc/self/statm");
            long pages = 0;
            s >> pages >> pages;
            return pages * 4;
        };
        long warmKiB = 0;
        for (long tick = 0; tick < ticks; ++tick) {
            const Row row = kAllRows.at(random() % 10);
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : w.window.get();
            switch (random() % (ticks > 100'000 ? 400 : 8)) {  // a soak is mostly ticks
            case 0:
                QTest::mouseClick(w.row("lblMati", row), Qt::LeftButton);
                break;
            case 1:
                QTest::keyClick(rowStates(w)[row.number() - 1] == u'C' ? w.row("cmbMati", row) : focus,
                                random() % 2 ? Qt::Key_Down : Qt::Key_Up);
                break;
            case 2:
                w.colours->answers.push_back(random() % 3 ? std::optional(QColor::fromRgb(random())) : std::nullopt);
                QTest::mouseClick(
                    w.find(QLatin1String(std::array{"cmdMoji", "cmdHaikei", "cmdMae", "cmdFm"}[random() % 4])),
                    Qt::LeftButton);
                break;
            case 3:
                QTest::keyClick(focus, keys[random() % std::size(keys)]);
                break;
            case 4:
                QGuiApplication::clipboard()->setText(pastes[random() % std::size(pastes)]);
                QTest::keyClick(w.row("txtJihun", row), Qt::Key_V, Qt::ControlModifier);
                break;
            case 5:
                w.clock->time += milliseconds{random() % 90'000'000} - 45'000'000ms;
                break;  // the clock is set
            default:
                break;
            }
            if (!w.window->isVisible()) {  // Space or Return on the focused quit button quits, as it should
                QVERIFY(focus == w.find("cmdEND") && w.timer->stopped);
                w.window->show();
            }
            const auto reading = w.clock->time + 1s;
            QCoreApplication::processEvents();  // the event loop runs between two ticks
            w.tickAt(reading);
            QVERIFY2(
                w.differenceFrom(reading).isEmpty() && !rowStates(w).contains(u'X'),
                qPrintable(QStringLiteral("tick %1: %2 %3").arg(tick).arg(w.differenceFrom(reading), rowStates(w))));
            // Qt's bounded caches (palette pixmaps, undo room for the longest paste) fill first: judge the second half.
            warmKiB = tick == ticks / 2 ? residentKiB() : warmKiB;
        }
        qInfo("resident memory %ld KiB half-way, %ld KiB at the end", warmKiB, residentKiB());
#if !defined(__SANITIZE_ADDRESS__)  // its quarantine keeps freed memory; LeakSanitizer judges that build
        QVERIFY2(ticks < 100'000 || residentKiB() - warmKiB < 4096, "resident memory grew by more than 4 MiB");
#endif
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
