// The peer of Korrelin's start-up: a Qt program that shows an empty main window and
// ends as soon as the window has been painted and the event loop is idle (Korrelin's
// figure, too, ends with its window painted and idle).
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {

class EmptyWindow : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QMainWindow::paintEvent(event);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    EmptyWindow window;
    window.resize(522, 412);
    window.show();
    return app.exec();
}
