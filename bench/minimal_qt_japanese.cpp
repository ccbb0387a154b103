// The toolkit's floor for Japanese text: the minimal window's label showing one kanji
// in IPA P Gothic, the face orbalune draws in. Its memory is what showing any kanji
// in that font costs a Qt program, before anything of the program's own.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("東"));
    window.setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    window.setWindowTitle(QStringLiteral("MinimalQtJapanese"));
    window.setGeometry(33, 48, 761, 58);
    window.show();
    return QApplication::exec();
}
