// The toolkit's floor: the least a Qt Widgets window of about our size costs.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Qt"));
    window.setWindowTitle(QStringLiteral("MinimalQt"));
    window.setGeometry(33, 48, 761, 58);
    window.show();
    return QApplication::exec();
}
