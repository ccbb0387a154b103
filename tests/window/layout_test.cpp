// The layout read back from the live widgets, in twips, at the DPI this run was
// started with (ORBALUNE_EXPECT_DPI): once at 96 and once at 144.

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "fake_seams.h"
#include "fonts.h"

using namespace std::chrono;
using namespace std::chrono_literals;
using orbalune::testing::FakeWindow;

namespace {

struct Twips {
    int left, top, width, height;
};

// Per Row: frame left/width, city width, date left/width, time left/width, chooser width.
struct RowExpectation {
    int frameLeft, frameWidth, cityWidth, dateLeft, dateWidth, timeLeft, timeWidth, chooserWidth;
};
constexpr RowExpectation kRows[10] = {
    {0, 1050, 1080, 120, 756, 120, 750, 1050},    {1080, 1050, 1080, 120, 756, 120, 750, 1050},
    {2160, 1050, 1080, 120, 756, 120, 750, 1050}, {3240, 1050, 1080, 120, 756, 120, 750, 1050},
    {4320, 1050, 1080, 120, 756, 120, 750, 1050}, {5400, 1070, 1000, 150, 700, 0, 1020, 1050},
    {6480, 1176, 1104, 120, 756, 120, 780, 1176}, {7680, 1176, 1200, 120, 756, 120, 780, 1176},
    {8880, 1176, 1200, 120, 756, 120, 780, 1176}, {10080, 1176, 1200, 120, 756, 120, 780, 1176},
};

const orbalune::WallClock::time_point kStart = sys_days{2008y / June / 29} + 8h + 30min + 15s + 400ms;

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void rectangles();
    void textsFontsAndKinds();
    void choosers();
    void tabOrderAndFocus();
    void stackingOrder();
    void outerHeight();

private:
    double dpi_ = 96;
    double toTwips(int px) const { return px * 1440.0 / dpi_; }
    void compareRect(const QWidget* widget, Twips expected, const char* what);
};

void LayoutTest::initTestCase()
{
    orbalune::InstallJapaneseFonts();
    dpi_ = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    const double expected = qEnvironmentVariable("ORBALUNE_EXPECT_DPI", QStringLiteral("96")).toDouble();
    QCOMPARE(dpi_, expected);  // else the high-DPI run would quietly repeat the 96-DPI one
}

void LayoutTest::compareRect(const QWidget* widget, Twips expected, const char* what)
{
    QVERIFY2(widget != nullptr, what);
    const QRect r = widget->geometry();
    const double slack = 1440.0 / dpi_;  // one pixel
    const double got[] = {toTwips(r.left()), toTwips(r.top()), toTwips(r.width()), toTwips(r.height())};
    const int want[] = {expected.left, expected.top, expected.width, expected.height};
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(std::abs(got[i] - want[i]) <= slack,
                 qPrintable(QStringLiteral("%1: edge %2 is %3 twips, want %4").arg(what).arg(i).arg(got[i]).arg(want[i])));
    }
}

void LayoutTest::rectangles()
{
    FakeWindow w(kStart);
    compareRect(w.find<QPushButton>("cmdFm"), {50, 530, 100, 180}, "cmdFm");
    compareRect(w.find<QLineEdit>("txtTIdx"), {7570, 120, 60, 180}, "txtTIdx");
    compareRect(w.find<QPushButton>("cmdEND"), {7510, 350, 210, 336}, "cmdEND");
    compareRect(w.find<QPushButton>("cmdMae"), {11250, 530, 100, 180}, "cmdMae");
    compareRect(w.find<QPushButton>("cmdHaikei"), {11250, 290, 100, 180}, "cmdHaikei");
    compareRect(w.find<QPushButton>("cmdMoji"), {11250, 50, 100, 180}, "cmdMoji");
    for (int row = 1; row <= 10; ++row) {
        const RowExpectation& e = kRows[row - 1];
        compareRect(w.row<QWidget>("fram1", row), {e.frameLeft, 0, e.frameWidth, 1100}, "frame");
        compareRect(w.row<QLabel>("lblMati", row), {0, 80, e.cityWidth, 180}, "city label");
        compareRect(w.row<QLabel>("lblTukihi", row), {e.dateLeft, 300, e.dateWidth, 204}, "date label");
        compareRect(w.row<QLineEdit>("txtJihun", row), {e.timeLeft, 450, e.timeWidth, 200}, "time box");
        compareRect(w.row<QComboBox>("cmbMati", row), {0, 720, e.chooserWidth, 276}, "chooser");
    }
    // The client area's width and its place on the screen.
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QVERIFY(std::abs(toTwips(w.window->width()) - 11415) <= 1440.0 / dpi_);
    QVERIFY(std::abs(toTwips(w.window->geometry().left()) - 495) <= 1440.0 / dpi_);
    QVERIFY(std::abs(toTwips(w.window->geometry().top()) - 720) <= 1440.0 / dpi_);
}

void LayoutTest::textsFontsAndKinds()
{
    FakeWindow w(kStart);
    auto fontOf = [](const QWidget* widget) { return QFontInfo(widget->font()); };
    for (int row = 1; row <= 10; ++row) {
        auto* city = w.row<QLabel>("lblMati", row);
        auto* date = w.row<QLabel>("lblTukihi", row);
        auto* time = w.row<QLineEdit>("txtJihun", row);
        QCOMPARE(date->text(), QStringLiteral("==="));
        QCOMPARE(time->text(), QStringLiteral("==="));
        QVERIFY(city->isVisibleTo(w.window.get()));
        QCOMPARE(city->alignment(), Qt::AlignCenter);
        QCOMPARE(date->alignment(), Qt::AlignCenter);
        QVERIFY(!city->autoFillBackground() && !date->autoFillBackground());  // transparent
        QVERIFY(!time->hasFrame());
        QCOMPARE(fontOf(time).family(), QStringLiteral("IPAPGothic"));  // a Japanese gothic, not a fallback
        QCOMPARE(time->font().pointSizeF(), 10.5);
        QVERIFY(time->font().bold());
        QCOMPARE(date->font().pointSizeF(), 7.5);
        QVERIFY(!date->font().bold());
        QCOMPARE(fontOf(city).family(), QStringLiteral("IPAPGothic"));
        // City labels and choosers take the window's default font.
        const QFont windowDefault = orbalune::LayoutFont(orbalune::layout::FontKind::WindowDefault);
        QCOMPARE(city->font(), windowDefault);
        QCOMPARE(w.row<QComboBox>("cmbMati", row)->font(), windowDefault);
    }
    auto* end = w.find<QPushButton>("cmdEND");
    QCOMPARE(end->text(), QStringLiteral("E"));
    QCOMPARE(end->font().pointSizeF(), 7.5);
    QCOMPARE(w.find<QLineEdit>("txtTIdx")->font().pointSizeF(), 7.5);
    QCOMPARE(end->toolTip(), QStringLiteral("終ります"));
    QCOMPARE(end->accessibleName(), end->toolTip());  // "E" means nothing spoken
    QCOMPARE(w.find<QPushButton>("cmdFm")->toolTip(), QStringLiteral("フォームを下へ伸ばします"));
    QCOMPARE(w.find<QPushButton>("cmdMae")->toolTip(), QStringLiteral("常に前面に置きます"));
    QCOMPARE(w.find<QPushButton>("cmdHaikei")->toolTip(), QStringLiteral("背景色を変えます"));
    QCOMPARE(w.find<QPushButton>("cmdMoji")->toolTip(), QStringLiteral("文字色を変えます"));
    for (const char* swatch : {"cmdFm", "cmdMae", "cmdHaikei", "cmdMoji"}) {
        auto* button = w.find<QPushButton>(QLatin1String(swatch));
        QVERIFY(button->text().isEmpty());
        QCOMPARE(button->accessibleName(), button->toolTip());  // read out by a screen reader
        QVERIFY(button->styleSheet().contains(QStringLiteral("#80ff80")));
    }
    QCOMPARE(w.window->palette().color(QPalette::Window), QColor(128, 255, 128));
}

void LayoutTest::choosers()
{
    FakeWindow w(kStart);
    auto entries = [&](int row) {
        QStringList out;
        auto* combo = w.row<QComboBox>("cmbMati", row);
        for (int i = 0; i < combo->count(); ++i) {
            out << combo->itemText(i);
        }
        return out;
    };
    const int counts[] = {33, 33, 33, 22, 18, 47, 17, 27, 27, 27};
    for (int row = 1; row <= 10; ++row) {
        auto* combo = w.row<QComboBox>("cmbMati", row);
        QCOMPARE(combo->count(), counts[row - 1]);
        QVERIFY(!combo->isEditable());
        QVERIFY(!combo->isVisibleTo(w.window.get()));
    }
    QCOMPARE(entries(1), entries(2));
    QCOMPARE(entries(1), entries(3));
    QCOMPARE(entries(8), entries(9));
    QCOMPARE(entries(8), entries(10));
    QCOMPARE(entries(7) + QStringList{QStringLiteral("昭和基地")}, entries(5));
    QCOMPARE(entries(1).first(), QStringLiteral("アテネ"));
    QCOMPARE(entries(8).last(), QStringLiteral("夏ブエノスアイレス"));
    QStringList endingInSpace;
    for (int row = 1; row <= 10; ++row) {
        for (const QString& entry : entries(row)) {
            QVERIFY(!entry.front().isSpace());
            if (entry.back().isSpace()) {
                endingInSpace << entry;
            }
        }
    }
    QCOMPARE(endingInSpace, QStringList{QStringLiteral("山　梨　")});
    QVERIFY(endingInSpace.first().endsWith(QChar(0x3000)));
}

void LayoutTest::tabOrderAndFocus()
{
    FakeWindow w(kStart);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QCOMPARE(QApplication::focusWidget(), w.find<QWidget>("txtTIdx"));

    QStringList chain;
    QWidget* widget = w.find<QWidget>("txtTIdx");
    do {
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(w.window.get())) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != w.find<QWidget>("txtTIdx"));
    QStringList expected{"txtTIdx", "cmdEND", "cmdMoji", "cmdHaikei", "cmdMae"};
    for (int row = 1; row <= 10; ++row) {
        expected << QStringLiteral("txtJihun(%1)").arg(row);  // the hidden choosers take no focus
    }
    expected << "cmdFm";
    QCOMPARE(chain, expected);

    // A chooser that is shown takes its place by its tab index: before the time
    // box in Rows 4, 7 and 9, after it elsewhere.
    auto nextFocusable = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus) {
            next = next->nextInFocusChain();
        }
        return next;
    };
    QWidget* next4 = nextFocusable(w.row<QWidget>("cmbMati", 4));
    QWidget* next1 = nextFocusable(w.row<QWidget>("txtJihun", 1));
    QCOMPARE(next4, w.row<QWidget>("txtJihun", 4));
    QCOMPARE(next1, w.row<QWidget>("cmbMati", 1));
}

void LayoutTest::stackingOrder()
{
    FakeWindow w(kStart);
    auto topAt = [&](const char* name) {
        const QWidget* control = w.find<QWidget>(QLatin1String(name));
        return w.window->childAt(control->geometry().center());
    };
    // cmdEND lies over the boundary of Rows 7 and 8, txtTIdx over Row 7, cmdFm over Row 1.
    QCOMPARE(topAt("cmdEND"), w.find<QWidget>("cmdEND"));
    QCOMPARE(topAt("txtTIdx"), w.find<QWidget>("txtTIdx"));
    QCOMPARE(topAt("cmdFm"), w.find<QWidget>("cmdFm"));
    // Within a Row, the time box covers the bottom of the date label.
    auto* frame = w.row<QWidget>("fram1", 3);
    const QRect date = w.row<QWidget>("lblTukihi", 3)->geometry();
    QCOMPARE(frame->childAt(date.center().x(), date.bottom()), w.row<QWidget>("txtJihun", 3));
}

void LayoutTest::outerHeight()
{
    FakeWindow w(kStart);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    // The decoration is known after the platform frames the window; the window re-applies.
    QTRY_VERIFY(std::abs(toTwips(w.window->frameGeometry().height()) - 1180) <= 1440.0 / dpi_);
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
