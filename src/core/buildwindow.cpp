#include "core/editmenu.h"
#include "core/filemenu.h"
#include "core/keys.h"
#include "core/mapredraw.h"
#include "core/navigation.h"
#include "core/progress.h"
#include "core/scroll.h"
#include "core/shutdown.h"
#include "core/startup.h"
#include "platform/busy.h"
#include "platform/control_dispatch.h"
#include "platform/dialogs.h"
#include "poi/categories_connect.h"
#include "poi/problemlistopen.h"
#include "poi/searches_connect.h"
#include "prefs/helplinks.h"
#include "render/displayoptions.h"
#include "render/mapstyle.h"
#include "render/redrawcalls.h"
#include "routes/gpxmenu.h"
#include "routes/routeconnect.h"
#include "routes/routelayer.h"
#include "routes/webmap.h"
#include "window/legend.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"

#include <QApplication>

namespace core {
namespace {

constexpr int kSaveRouteEntry = 7; // File > "Save Route", also on a route point's pop-up menu

void reportFault(const std::exception& fault) {
    const auto* runtime = dynamic_cast<const basic::RuntimeFault*>(&fault);
    platform::dialogs().msgBox(runtime ? runtime->description() : std::string(fault.what()));
}

} // namespace

MapWindow::MapWindow() {
    form.setKeyPreview(true);
    form.onLoad = [this] { Form_Load(*this); };
    form.onActivate = [this] { Form_Activate(*this); };
    form.onUnload = [] { QApplication::quit(); };

    legendPanel.command5.onClick = [this](int index) { command5_Click(*this, index); };
    strips.ex.onMouseDown = [this](int index, int, int, double, double) { ex_MouseDown(*this, index); };
    strips.ex.onMouseUp = [this](int index, int, int, double, double) { ex_MouseUp(*this, index); };
    progress.Command2.onClick = [this] { Command2_Click(*this); };
    connectScrollBars(*this);
    connectNavigation(*this);
    connectFileMenu(*this);
    connectEditMenu(*this);
    connectKeys(*this);
    connectShutDown(*this);
    render::connectDisplayOptions(*this);
    render::connectMapStyle(*this);
    poi::connectCategoryHandlers(*this);
    poi::connectProblemPanel(*this);
    poi::connectSearchPanels(*this);
    routes::connectInternetMenu(*this);
    prefs::connectHelpMenu(*this);
    routes::connectGpxMenu(*this);
    routes::connectRouteHandlers(*this, [](MapWindow& map) { mf_Click(map, kSaveRouteEntry); });

    // The same drawing for every window, so it stays set when a window goes.
    setMapRedraw([](MapWindow& map) { drawMap(map); });
    render::setRedrawCalls({.drawGpxOrRoute = routes::drawGpxOrRoute});
    platform::BusyGate::setBusyTest([this] { return data.drawBusy || data.mapLoading; });
    platform::setUnhandledFaultReporter(reportFault);
}

MapWindow::~MapWindow() {
    render::setRedrawCalls({});
    platform::BusyGate::setBusyTest(nullptr);
    platform::setUnhandledFaultReporter(nullptr);
}

} // namespace core
