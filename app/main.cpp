#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnoke");
    QMainWindow window;
    window.setWindowTitle("Varnoke");
    window.showMaximized();
    return app.exec();
}
