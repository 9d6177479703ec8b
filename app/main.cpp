// Varnoke: opens the main window and runs the event loop until it is unloaded.

#include "window/mapwindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnoke");

    core::MapWindow map;
    map.form.show();
    return app.exec();
}
