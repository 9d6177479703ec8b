// Varnoke: opens the main window and runs the event loop until it is unloaded.

#include "webview/webenginebrowser.h"
#include "window/mapwindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The web engine shares its drawing contexts with the program's windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnoke");
    webview::installWebEngineBrowser();

    core::MapWindow map;
    map.form.show();
    return app.exec();
}
