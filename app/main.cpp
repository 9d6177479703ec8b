// Varnoke: starts the main window and runs the event loop until it is unloaded.

#include "platform/form.h"
#include "platform/statusbar.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnoke");

    platform::Form map("map");
    map.setCaption("Varnoke");
    map.onUnload = [] { QApplication::quit(); };
    map.setWindowState(2);
    map.show();
    return app.exec();
}
