#include "routes/routemenu.h"

#include "window/mapwindow.h"
#include "window/resume.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "routes/drawingmode.h"
#include "routes/gpxwriter.h"
#include "routes/route.h"

namespace routes {
namespace {

using core::resumeNextWithMessage;

constexpr int kNewRoute = 0;
constexpr int kCancelRoute = 2;
constexpr int kGoogleEarth = 4;
constexpr int kPressedBorder = 1;

bool busy(const core::MapData& d) { return d.drawBusy || d.mapLoading; }

int ask(const char* question, int buttons) { return platform::dialogs().msgBox(question, buttons); }

void releaseToolbarPicture(core::MapWindow& map, int index) {
    if (map.toolbars.rout.exists(index)) map.toolbars.rout[index].setBorderStyle(0);
}

// The GPX waypoint markers, track points and track lines go, and the point store no longer
// holds GPX points.
void clearGpxDisplay(core::MapWindow& map) {
    core::MapData& d = map.data;
    core::Markers& m = map.markers;
    resumeNextWithMessage([&] { m.gps.unloadLoaded(1, d.gpsCount); });
    d.gpsCount = 0;
    resumeNextWithMessage([&] { m.gpt.unloadLoaded(1, d.gptCount); });
    resumeNextWithMessage([&] { m.Lin2.unloadLoaded(1, d.gptCount); });
    d.gptCount = 0;
    resumeNextWithMessage([&] { m.plt[core::kMarkerTemplate].setVisible(false); });
    d.gpxCount = 0;
}

void newRoute(core::MapWindow& map) {
    core::MapData& d = map.data;
    bool asked = false;
    if (d.gpxCount > 0) {
        if (ask("This will clear your gpx track. Are you sure?", platform::msgbox::YesNo) !=
            platform::msgbox::Yes)
            return;
        asked = true;
    }
    if (d.routeActive) {
        const int answer = ask("This will clear your route. Do you want to continue before saving route?",
                               platform::msgbox::OkCancel);
        releaseToolbarPicture(map, kNewRoute);
        if (answer != platform::msgbox::Ok) return;
        asked = true;
    }
    d.routeDrawing = true;
    resumeNextWithMessage([&] { map.markers.plt[core::kMarkerTemplate].setVisible(false); });
    d.pltCount = 0;
    if (d.routeCount > 0) {
        // Drawing stays on when the route is kept: the next clicks extend it.
        if (!asked &&
            ask("This will clear your route. Do you want to continue?", platform::msgbox::OkCancel) !=
                platform::msgbox::Ok)
            return;
        resumeNextWithMessage([&] { unloadRouteMarkers(map); });
        d.routeCount = 0;
    }
    d.routeUnsaved = false; // the old route is given up
    clearGpxDisplay(map);
    resumeNextWithMessage([&] { showRoutePointer(map); });
    resumeNextWithMessage([&] { map.view.sb1.setPanelText(2, ""); });
    d.routeActive = false;
}

void cancelRoute(core::MapWindow& map) {
    core::MapData& d = map.data;
    if (!d.routeActive) {
        resumeNextWithMessage([&] { endRouteDrawing(map); });
        return;
    }
    if (ask("Are you sure you want to clear your route?", platform::msgbox::OkCancel) != platform::msgbox::Ok)
        return;
    resumeNextWithMessage([&] { eraseRoute(map); });
    d.routeActive = false;
    resumeNextWithMessage([&] { endRouteDrawing(map); });
}

void showOnGoogleEarth(core::MapWindow& map, int index) {
    core::MapData& d = map.data;
    if (d.routeDrawing) {
        platform::dialogs().msgBox("Finish route first by double clicking on map.", platform::msgbox::OkOnly);
        return;
    }
    const std::string file = map.global.dataFolder + "/temp.kml";
    // Nothing is opened unless this very route was written: an older temp.kml is not the route.
    if (savegpx(map, file, kKmlKind) == 0) {
        releaseToolbarPicture(map, index);
        return;
    }
    platform::doEvents();
    platform::desktop().open(file);
    resumeNextWithMessage([&] { endRouteDrawing(map); });
    platform::hourglassOff();
}

} // namespace

void mnewr_Click(core::MapWindow& map, int index) {
    core::MapData& d = map.data;
    if (busy(d)) return;
    d.routeSel = -1;
    if (map.global.curFile.empty()) return;
    resumeNextWithMessage([&] {
        switch (index) {
        case kNewRoute:
            newRoute(map);
            break;
        case kCancelRoute:
            cancelRoute(map);
            break;
        case kGoogleEarth:
            showOnGoogleEarth(map, index);
            break;
        default:
            break;
        }
    });
}

void rout_MouseDown(core::MapWindow& map, int index) {
    if (busy(map.data)) return;
    map.toolbars.rout[index].setBorderStyle(kPressedBorder);
    mnewr_Click(map, index);
}

void rout_MouseUp(core::MapWindow& map, int index) {
    if (busy(map.data)) return;
    releaseToolbarPicture(map, index);
}

} // namespace routes
