// The yardstick for start-up: a bare Qt program that maps one frameless
// 640 x 480 window and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(640, 480);
    window.show();
    return app.exec();
}
