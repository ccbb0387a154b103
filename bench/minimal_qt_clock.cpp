// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for a clock: the least a Qt Widgets window costs that shows
// a new time in a label every second.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("MinimalQtClock"));
    window.setGeometry(33, 48, 761, 58);
    QLabel time(&window);
    time.setGeometry(335, 27, 100, 20);  // about the size of the seconds' box
    const auto show = [&time] { time.setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))); };
    show();
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, show);
    ticks.start(1000);
    window.show();
    return QApplication::exec();
}
