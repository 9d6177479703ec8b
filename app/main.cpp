// Varnoke: opens the main window and runs the event loop until it is unloaded.

#include "core/shutdown.h"
#include "webview/webenginebrowser.h"
#include "window/mapwindow.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    // The web engine shares its drawing contexts with the program's windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnoke");
    webview::installWebEngineBrowser();

    auto map = std::make_unique<core::MapWindow>();
    map->form.show();
    const int code = app.exec();
    core::keepUntilExit(std::move(map));
    return code;
}
