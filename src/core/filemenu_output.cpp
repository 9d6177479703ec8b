#include "core/filemenu_output.h"

#include "basic/case.h"
#include "core/filemenu_files.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "render/snap.h"
#include "routes/gpximport.h"
#include "routes/gpxwriter.h"
#include "routes/route.h"
#include "window/mapwindow.h"
#include "window/resume.h"

namespace core {
namespace {

constexpr int kGpxFolder = 4;

bool holds(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// p2 gets what the viewport shows of the map, as the drag preview does at rest.
void paintMapIntoPreview(MapWindow& map) {
    platform::PictureBox& p2 = map.view.p2;
    resumeNextWithMessage([&] { p2.setAutoRedraw(true); });
    resumeNextWithMessage([&] { p2.cls(); });
    resumeNextWithMessage([&] { render::paintShownMap(map, 0, 0); });
    resumeNextWithMessage([&] { p2.setAutoRedraw(false); });
}

void doEventsTwice() {
    platform::doEvents();
    platform::doEvents();
}

// The route and every GPX waypoint marker leave the map.
void clearRoute(MapWindow& map) {
    Markers& m = map.markers;
    MapData& d = map.data;
    resumeNextWithMessage([&] { routes::unloadRouteMarkers(map); });
    resumeNextWithMessage([&] { m.gps.unloadLoaded(1, m.gps.ubound()); });
    d.routeCount = 0;
    d.routeActive = false;
    resumeNextWithMessage([&] { m.plt[kMarkerTemplate].setVisible(false); });
    d.gpsCount = 0;
}

} // namespace

std::string screenFileName(std::string name) {
    if (!holds(basic::lcase(name), ".bmp")) name += ".bmp";
    if (!holds(name, ".bmp") && !holds(name, ".BMP")) name += ".bmp";
    return name;
}

void saveScreen(MapWindow& map) {
    resumeNextWithMessage([&] { map.view.p1.setAutoRedraw(false); });
    const std::optional<std::string> chosen = platform::dialogs().saveFile(
        {.initDir = "", .filter = "*.bmp", .fileName = "untitled.bmp", .title = "Save Screen"});
    if (!chosen) return;
    const std::string name = screenFileName(*chosen);
    if (exists(name)) return;

    resumeNextWithMessage([&] { map.view.p2.setVisible(false); });
    paintMapIntoPreview(map);
    doEventsTwice();
    resumeNextWithMessage([&] { map.view.p2.saveBmp(name); });
    doEventsTwice();
    platform::hourglassOff();
}

void printScreen(MapWindow& map) {
    paintMapIntoPreview(map);
    platform::dialogs().printImage(map.view.p2.image(), true, true);
    platform::hourglassOff();
}

void importGpx(MapWindow& map) {
    const std::optional<std::string> chosen =
        platform::dialogs().openFile({.initDir = map.global.settings.folderPaths[kGpxFolder],
                                      .filter = "GPX (*.gpx)|*.gpx",
                                      .fileName = "*.gpx;",
                                      .title = ""});
    if (!chosen || holds(*chosen, "*.")) return;
    if (map.data.routeActive) {
        const int answer = platform::dialogs().msgBox("This will clear route. Do you want to continue?",
                                                      platform::msgbox::OkCancel);
        if (answer != platform::msgbox::Ok) return;
        clearRoute(map);
    }
    resumeNextWithMessage([&] { map.view.sb1.setPanelText(2, ""); });

    // The file system tells letter cases apart: only the test for "gpx" looks at the lower case.
    platform::hourglassOn();
    if (holds(basic::lcase(*chosen), "gpx")) {
        map.global.showTracks = true;
        map.global.showWaypoints = true;
        resumeNextWithMessage([&] { routes::importgpx(map, *chosen); });
    }
    map.menus.mgpx.setEnabled(true);
    platform::hourglassOff();
}

void saveRoute(MapWindow& map) {
    if (map.global.curFile.empty()) return;
    if (!map.data.routeActive) {
        platform::dialogs().msgBox("No route to save.");
        return;
    }
    const std::optional<std::string> chosen = platform::dialogs().saveFile(
        {.initDir = "", .filter = "*.gpx", .fileName = "untitled.gpx", .title = ""});
    if (!chosen) return;
    std::string name = *chosen;
    if (!holds(name, ".gpx")) name += ".gpx";
    if (exists(name)) return;

    basic::Integer written = 0;
    resumeNextWithMessage([&] { written = routes::savegpx(map, name, routes::kGpxKind); });
    if (written) map.data.routeUnsaved = false;
    map.data.routeDrawing = false;
    resumeNextWithMessage([&] { map.view.p1.setMousePointer(0); });
    platform::hourglassOff();
}

} // namespace core
