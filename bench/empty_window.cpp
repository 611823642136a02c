// The peer of Korrelin's start-up: a Qt program that shows an empty main window and
// ends as soon as the event loop is idle.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(522, 412);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
