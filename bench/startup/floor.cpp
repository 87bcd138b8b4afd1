// The floor for the start-up benchmark: the least a Qt Widgets program does
// to show a window, one QWidget holding one QLabel "0".
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    QLabel label(QStringLiteral("0"), &window);
    window.show();
    return QApplication::exec();
}
