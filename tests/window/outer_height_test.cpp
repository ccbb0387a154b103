// Outer heights (decoration + client, device pixels) under real desktops' title bars:
// 1180 and 1220 twips, or, where the title bar is too tall for that, the time boxes
// (650 twips) whole and the tall height 40 twips more.
#include <QtTest>

#include "outer_height.h"

class OuterHeightTest : public QObject {
    Q_OBJECT
private slots:
    static void heights_data()
    {
        for (const char* column : {"decoration", "dpi", "ratio", "shortOuter", "tallOuter"}) {
            QTest::addColumn<int>(column);
        }
        QTest::newRow("openbox") << 21 << 96 << 1 << 79 << 81;
        QTest::newRow("no frame known") << 0 << 96 << 1 << 79 << 81;
        QTest::newRow("mutter, KWin: 44 px for the times") << 37 << 96 << 1 << 81 << 84;
        QTest::newRow("frame taller than the layout") << 100 << 96 << 1 << 144 << 147;
        QTest::newRow("openbox at 192 dpi") << 33 << 192 << 1 << 157 << 163;
        QTest::newRow("openbox, Qt scaling by 2") << 33 << 96 << 2 << 157 << 163;
        QTest::newRow("KWin, Qt scaling by 2") << 37 << 96 << 2 << 157 << 163;
    }
    static void heights()
    {
        QFETCH(int, decoration);
        QFETCH(int, dpi);
        QFETCH(int, ratio);
        const auto outer = [&](int twips) {
            return decoration + ratio * orbalune::ClientHeightFor(twips, decoration, dpi, ratio);
        };
        QTEST(outer(1180), "shortOuter");
        QTEST(outer(1220), "tallOuter");
    }
};

QTEST_APPLESS_MAIN(OuterHeightTest)
#include "outer_height_test.moc"
