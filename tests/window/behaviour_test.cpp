// Start-up, ticks, city choosing, colours and the window switches, driven
// through the real window with a fake clock, timer, dialog and stacking request.

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "fake_seams.h"
#include "fonts.h"

using namespace std::chrono;
using namespace std::chrono_literals;
using orbalune::WallClock;
using orbalune::testing::FakeWindow;

namespace {

WallClock::time_point at(year_month_day day, milliseconds time) { return sys_days{day} + time; }
const WallClock::time_point kWorked = at(2008y / June / 29, 8h + 30min + 15s);

const QString kNorthern = QStringLiteral("Orbalune　(4月-10月：北半球は夏時間に御注意！)  /　(都市名はクリックで変更できます)");
const QString kSouthern = QStringLiteral("Orbalune　(10月-3月：南半球は夏時間に御注意！)　/　(都市名はクリックで変更できます)");

QString dateOf(const FakeWindow& w, int row) { return w.row<QLabel>("lblTukihi", row)->text(); }
QString timeOf(const FakeWindow& w, int row) { return w.row<QLineEdit>("txtJihun", row)->text(); }

// Picks an entry the way a user does: open the list, click the entry.
void choose(FakeWindow& w, int row, const QString& entry)
{
    QTest::mouseClick(w.row<QLabel>("lblMati", row), Qt::LeftButton);
    auto* combo = w.row<QComboBox>("cmbMati", row);
    QVERIFY(combo->isVisible());
    const int index = combo->findText(entry, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(entry));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QRect item = view->visualRect(view->model()->index(index, 0));
    view->scrollTo(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(index, 0)).center());
    Q_UNUSED(item);
    QTRY_VERIFY(!combo->isVisible());
}

bool choosing(const FakeWindow& w, int row)
{
    const bool label = w.row<QLabel>("lblMati", row)->isVisible();
    const bool chooser = w.row<QComboBox>("cmbMati", row)->isVisible();
    if (label == chooser) {
        qWarning("Row %d shows %s", row, label ? "both label and chooser" : "neither label nor chooser");
    }
    return chooser;
}

}  // namespace

class BehaviourTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { orbalune::InstallJapaneseFonts(); }
    void captionByMonth_data();
    void captionByMonth();
    void startupState();
    void workedExampleThroughTheWindow();
    void unknownNamesAndTypedText();
    void homeRowSecondsAndRearming_data();
    void homeRowSecondsAndRearming();
    void choosingACity();
    void twoRowsChoosingAtOnce();
    void cancelledColourChangesNothing();
    void confirmedColoursRecolourTheirSets();
    void alwaysOnTopSwitch();
    void heightSwitch();
    void quitting_data();
    void quitting();
};

void BehaviourTest::captionByMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("northern");
    for (const auto& [m, north] : {std::pair{3, false}, {4, true}, {10, true}, {11, false}, {12, false}, {1, false}}) {
        QTest::newRow(qPrintable(QString::number(m))) << m << north;
    }
}

void BehaviourTest::captionByMonth()
{
    QFETCH(int, month);
    QFETCH(bool, northern);
    // The last second of the month's last day: the month, not a neighbour, decides.
    const year_month_day last{year{2009} / std::chrono::month(static_cast<unsigned>(month)) / std::chrono::last};
    FakeWindow w(sys_days{last} + 23h + 59min + 59s);
    QCOMPARE(w.window->windowTitle(), northern ? kNorthern : kSouthern);
    w.tickAt(w.clock->time + 2s);  // the month is not looked at again
    QCOMPARE(w.window->windowTitle(), northern ? kNorthern : kSouthern);
}

void BehaviourTest::startupState()
{
    FakeWindow w(kWorked);
    const QStringList defaults{"ロンドン", "パ　リ", "モスクワ", "ニューデリー", "シンガポール",
                               "東　京",  "シドニー", "ホノルル", "ロサンゼルス", "ニューヨーク"};
    for (int row = 1; row <= 10; ++row) {
        QCOMPARE(w.row<QLabel>("lblMati", row)->text(), defaults[row - 1]);
        QCOMPARE(w.row<QComboBox>("cmbMati", row)->currentText(), defaults[row - 1]);
        QCOMPARE(w.row<QLabel>("lblMati", row)->toolTip(),
                 row == 8 ? QStringLiteral("ハワイは夏時間を使ってません") : QString());
        QCOMPARE(dateOf(w, row), QStringLiteral("==="));
        QCOMPARE(timeOf(w, row), QStringLiteral("==="));
    }
    const auto& s = w.window->state();
    QCOMPARE(s.SwithFm, orbalune::Switch{-1});
    QCOMPARE(s.SwithMae, orbalune::Switch{0});
    QCOMPARE(s.MojiColr, 0);
    QCOMPARE(s.BakColr, 0);
    QVERIFY(w.stacking->requests.empty());
    // The first tick is due at the next whole second after creation.
    QCOMPARE(w.timer->target, kWorked + 1s);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    for (int row = 1; row <= 10; ++row) {
        QVERIFY(!choosing(w, row));
    }
}

void BehaviourTest::workedExampleThroughTheWindow()
{
    FakeWindow w(kWorked);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    choose(w, 4, QStringLiteral("カブール"));
    choose(w, 5, QStringLiteral("夏ウェリントン"));
    choose(w, 9, QStringLiteral("ブエノスアイレス"));
    w.tickAt(kWorked);
    const std::pair<int, std::pair<const char*, const char*>> expected[] = {
        {1, {"06/28", "23:30"}}, {8, {"06/28", "13:30"}}, {4, {"06/29", "04:00"}}, {3, {"06/29", "02:30"}},
        {7, {"06/29", "09:30"}}, {5, {"06/29", "12:30"}}, {9, {"06/28", "20:30"}}, {6, {"06/29日", "08:30:15"}},
        {10, {"06/28", "18:30"}}};
    for (const auto& [row, texts] : expected) {
        QCOMPARE(dateOf(w, row), QString::fromUtf8(texts.first));
        QCOMPARE(timeOf(w, row), QString::fromUtf8(texts.second));
    }
}

void BehaviourTest::unknownNamesAndTypedText()
{
    FakeWindow w(kWorked);
    w.tickAt(kWorked);
    QCOMPARE(timeOf(w, 3), QStringLiteral("02:30"));
    // A name not in the table leaves the Row as it was, for good.
    w.row<QLabel>("lblMati", 3)->setText(QStringLiteral("モスクワ "));
    w.row<QLineEdit>("txtJihun", 2)->setText(QStringLiteral("typed"));
    w.tickAt(kWorked + 1h);
    QCOMPARE(timeOf(w, 3), QStringLiteral("02:30"));
    QCOMPARE(dateOf(w, 3), QStringLiteral("06/29"));
    QCOMPARE(timeOf(w, 2), QStringLiteral("01:30"));  // typed text lasts only until the next tick
    QCOMPARE(timeOf(w, 1), QStringLiteral("00:30"));
}

void BehaviourTest::homeRowSecondsAndRearming_data()
{
    QTest::addColumn<int>("intoSecondMs");
    for (const int ms : {0, 1, 500, 999}) {
        QTest::newRow(qPrintable(QStringLiteral(".%1").arg(ms, 3, 10, QLatin1Char('0')))) << ms;
    }
}

void BehaviourTest::homeRowSecondsAndRearming()
{
    QFETCH(int, intoSecondMs);
    FakeWindow w(kWorked);
    const char* const weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    QStringList seen;
    for (int second = 0; second < 4; ++second) {
        const auto reading = kWorked + seconds{second} + milliseconds{intoSecondMs};
        w.tickAt(reading);
        seen << timeOf(w, 6);
        QCOMPARE(w.timer->target, floor<seconds>(reading) + 1s);
    }
    QCOMPARE(seen, (QStringList{"08:30:15", "08:30:16", "08:30:17", "08:30:18"}));
    // A late tick (3.7 s) shows the true second and re-aims at the next one.
    w.tickAt(kWorked + 6700ms);
    QCOMPARE(timeOf(w, 6), QStringLiteral("08:30:21"));
    QCOMPARE(w.timer->target, kWorked + 7s);
    for (int day = 0; day < 7; ++day) {
        w.tickAt(kWorked + days{day});
        QCOMPARE(dateOf(w, 6).mid(5), QString::fromUtf8(weekdays[day]));
    }
}

void BehaviourTest::choosingACity()
{
    FakeWindow w(kWorked);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.tickAt(kWorked);

    QTest::mouseClick(w.row<QLabel>("lblMati", 2), Qt::LeftButton);
    QVERIFY(choosing(w, 2));
    QCOMPARE(w.row<QComboBox>("cmbMati", 2)->y(), 0);
    for (int row = 1; row <= 10; ++row) {
        QCOMPARE(choosing(w, row), row == 2);
    }
    // While choosing, the Row follows its old city.
    w.tickAt(kWorked + 1h);
    QCOMPARE(timeOf(w, 2), QStringLiteral("01:30"));

    choose(w, 2, QStringLiteral("夏パ　リ"));  // choose() clicks the label again: already hidden, so open directly
    QCOMPARE(w.row<QLabel>("lblMati", 2)->text(), QStringLiteral("夏パ\u3000リ"));
    QCOMPARE(timeOf(w, 2), QStringLiteral("01:30"));  // until the next tick
    // A screen reader names the time box after the city it now shows.
    QCOMPARE(QAccessible::queryAccessibleInterface(w.row<QLineEdit>("txtJihun", 2))->text(QAccessible::Name),
             QStringLiteral("夏パ\u3000リ"));
    w.tickAt(kWorked + 1h + 1s);
    QCOMPARE(timeOf(w, 2), QStringLiteral("02:30"));

    // Picking the entry that is already selected also ends choosing.
    QTest::mouseClick(w.row<QLabel>("lblMati", 8), Qt::LeftButton);
    choose(w, 8, QStringLiteral("ホノルル"));
    QVERIFY(!choosing(w, 8));
    // Row 8 keeps its tooltip whatever city it shows.
    choose(w, 8, QStringLiteral("シカゴ"));
    QCOMPARE(w.row<QLabel>("lblMati", 8)->toolTip(), QStringLiteral("ハワイは夏時間を使ってません"));
    choose(w, 9, QStringLiteral("ホノルル"));
    QVERIFY(w.row<QLabel>("lblMati", 9)->toolTip().isEmpty());
}

void BehaviourTest::twoRowsChoosingAtOnce()
{
    FakeWindow w(kWorked);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QTest::mouseClick(w.row<QLabel>("lblMati", 2), Qt::LeftButton);
    QTest::mouseClick(w.row<QLabel>("lblMati", 7), Qt::LeftButton);
    QVERIFY(choosing(w, 2) && choosing(w, 7));
    choose(w, 7, QStringLiteral("夏シドニー"));
    QVERIFY(choosing(w, 2));
    QVERIFY(!choosing(w, 7));
    QCOMPARE(w.row<QLabel>("lblMati", 7)->text(), QStringLiteral("夏シドニー"));
}

void BehaviourTest::cancelledColourChangesNothing()
{
    FakeWindow w(kWorked);
    const QColor frameBefore = w.row<QWidget>("fram1", 1)->palette().color(QPalette::Window);
    const QString sheetBefore = w.find<QPushButton>("cmdMoji")->styleSheet();
    w.colours->answers = {std::nullopt, std::nullopt};
    QTest::mouseClick(w.find<QPushButton>("cmdHaikei"), Qt::LeftButton);
    QTest::mouseClick(w.find<QPushButton>("cmdMoji"), Qt::LeftButton);
    QCOMPARE(w.colours->presets.size(), std::size_t{2});
    QCOMPARE(w.colours->presets.at(0), QColor(Qt::black));  // the dialog starts on black
    QCOMPARE(w.window->state().BakColr, 0);
    QCOMPARE(w.window->state().MojiColr, 0);
    QCOMPARE(w.window->colourDialog().Color, 0U);
    QCOMPARE(w.row<QWidget>("fram1", 1)->palette().color(QPalette::Window), frameBefore);
    QCOMPARE(w.find<QPushButton>("cmdMoji")->styleSheet(), sheetBefore);
}

void BehaviourTest::confirmedColoursRecolourTheirSets()
{
    FakeWindow w(kWorked);
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    const QColor cityBackground = w.row<QLabel>("lblMati", 1)->palette().color(QPalette::Window);
    const QColor indexText = w.find<QLineEdit>("txtTIdx")->palette().color(QPalette::Text);
    w.colours->answers = {red, std::nullopt, blue};
    QTest::mouseClick(w.find<QPushButton>("cmdHaikei"), Qt::LeftButton);
    QCOMPARE(w.window->state().BakColr, 0x000000FF);  // 0x00BBGGRR: red in the low byte
    QCOMPARE(w.window->palette().color(QPalette::Window), red);
    for (const char* button : {"cmdMoji", "cmdHaikei", "cmdMae", "cmdFm", "cmdEND"}) {
        QVERIFY(w.find<QPushButton>(QLatin1String(button))->styleSheet().contains(QStringLiteral("#ff0000")));
    }
    QCOMPARE(w.find<QLineEdit>("txtTIdx")->palette().color(QPalette::Base), red);
    for (int row = 1; row <= 10; ++row) {
        QCOMPARE(w.row<QWidget>("fram1", row)->palette().color(QPalette::Window), red);
        QCOMPARE(w.row<QWidget>("cmbMati", row)->palette().color(QPalette::Button), red);
        QCOMPARE(w.row<QWidget>("txtJihun", row)->palette().color(QPalette::Base), red);
    }
    QCOMPARE(w.row<QLabel>("lblMati", 1)->palette().color(QPalette::Window), red);  // inherited, and unpainted
    QVERIFY(!w.row<QLabel>("lblMati", 1)->autoFillBackground());
    Q_UNUSED(cityBackground);

    // The confirmed colour is the preset of the next opening, of either button;
    // a cancel in between keeps it.
    QTest::mouseClick(w.find<QPushButton>("cmdMoji"), Qt::LeftButton);
    QCOMPARE(w.colours->presets.back(), red);
    QTest::mouseClick(w.find<QPushButton>("cmdMoji"), Qt::LeftButton);
    QCOMPARE(w.colours->presets.back(), red);
    QCOMPARE(w.window->state().MojiColr, 0x00FF0000);
    for (int row = 1; row <= 10; ++row) {
        for (const char* control : {"cmbMati", "lblMati", "lblTukihi", "txtJihun"}) {
            const QWidget* widget = w.row<QWidget>(control, row);
            const auto role = qobject_cast<const QLineEdit*>(widget) != nullptr ? QPalette::Text : QPalette::WindowText;
            QCOMPARE(widget->palette().color(role), blue);
        }
    }
    QCOMPARE(w.find<QLineEdit>("txtTIdx")->palette().color(QPalette::Text), indexText);
    QVERIFY(!w.find<QPushButton>("cmdEND")->styleSheet().contains(QStringLiteral("#0000ff")));
    QCOMPARE(w.row<QWidget>("fram1", 4)->palette().color(QPalette::Window), red);
}

void BehaviourTest::alwaysOnTopSwitch()
{
    FakeWindow w(kWorked);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    auto* mae = w.find<QPushButton>("cmdMae");
    const QRect before = w.window->geometry();
    QTest::mouseClick(mae, Qt::LeftButton);
    QCOMPARE(mae->text(), QStringLiteral("元へ"));
    QCOMPARE(mae->toolTip(), QStringLiteral("常に前面をキャンセルします"));
    QCOMPARE(mae->accessibleName(), mae->toolTip());
    QCOMPARE(w.window->state().SwithMae, orbalune::Switch{-1});
    QTest::mouseClick(mae, Qt::LeftButton);
    QCOMPARE(mae->text(), QStringLiteral("前へ"));
    QCOMPARE(mae->toolTip(), QStringLiteral("常に前面に置きます"));
    QCOMPARE(w.window->state().SwithMae, orbalune::Switch{0});
    QCOMPARE(w.stacking->requests, (std::vector<bool>{true, false}));
    QCOMPARE(w.window->geometry(), before);
    QCOMPARE(w.window->state().SwithFm, orbalune::Switch{-1});  // independent switches
}

void BehaviourTest::heightSwitch()
{
    FakeWindow w(kWorked);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    const double dpi = w.window->screen()->logicalDotsPerInch();
    auto outerTwips = [&] { return w.window->frameGeometry().height() * 1440.0 / dpi; };
    QTRY_VERIFY(std::abs(outerTwips() - 1180) <= 15);
    const QPoint corner = w.window->geometry().topLeft();
    const int width = w.window->width();
    auto* fm = w.find<QPushButton>("cmdFm");
    QTest::mouseClick(fm, Qt::LeftButton);
    QTRY_VERIFY(std::abs(outerTwips() - 1220) <= 15);
    QCOMPARE(w.window->state().SwithFm, orbalune::Switch{0});
    QCOMPARE(w.window->geometry().topLeft(), corner);
    QCOMPARE(w.window->width(), width);
    QTest::mouseClick(w.find<QPushButton>("cmdMae"), Qt::LeftButton);
    QTest::mouseClick(fm, Qt::LeftButton);
    QTRY_VERIFY(std::abs(outerTwips() - 1180) <= 15);
    QCOMPARE(w.window->state().SwithFm, orbalune::Switch{-1});
    QCOMPARE(w.window->state().SwithMae, orbalune::Switch{-1});
    QCOMPARE(fm->toolTip(), QStringLiteral("フォームを下へ伸ばします"));
}

void BehaviourTest::quitting_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("rowChoosing");
    QTest::newRow("cmdEND") << QStringLiteral("click") << false;
    QTest::newRow("cmdEND while a Row chooses") << QStringLiteral("click") << true;
    QTest::newRow("Esc") << QStringLiteral("esc") << false;
    QTest::newRow("Esc on a closed chooser") << QStringLiteral("esc-chooser") << true;
}

void BehaviourTest::quitting()
{
    QFETCH(QString, how);
    QFETCH(bool, rowChoosing);
    FakeWindow w(kWorked);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    if (rowChoosing) {
        QTest::mouseClick(w.row<QLabel>("lblMati", 3), Qt::LeftButton);
        QVERIFY(choosing(w, 3));
    }
    if (how == QLatin1String("click")) {
        QTest::mouseClick(w.find<QPushButton>("cmdEND"), Qt::LeftButton);
    } else {
        QWidget* target = how == QLatin1String("esc") ? w.find<QWidget>("txtTIdx") : w.row<QWidget>("cmbMati", 3);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
    }
    QTRY_VERIFY(!w.window->isVisible());
    QVERIFY(w.timer->stopped);
}

QTEST_MAIN(BehaviourTest)
#include "behaviour_test.moc"
