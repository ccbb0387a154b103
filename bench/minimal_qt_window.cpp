// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor: the least a Qt Widgets window of about our size costs.
// `minimal_qt_window TEXT FAMILY` shows TEXT in FAMILY at 9 pt instead: the floor
// once a program shows, say, a kanji in a Japanese font.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(argc > 2 ? QString::fromUtf8(argv[1]) : QStringLiteral("Qt"));
    if (argc > 2) {
        window.setFont(QFont(QString::fromUtf8(argv[2]), 9));
    }
    window.setWindowTitle(QStringLiteral("MinimalQt"));
    window.setGeometry(33, 48, 761, 58);
    window.show();
    return QApplication::exec();
}
