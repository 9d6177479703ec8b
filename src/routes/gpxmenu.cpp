#include "routes/gpxmenu.h"

#include "platform/dialogs.h"
#include "render/snap.h"
#include "routes/drawingmode.h"
#include "window/mapwindow.h"
#include "window/markertable.h"

namespace routes {
namespace {

constexpr int kShowTracks = 4;
constexpr int kShowWaypoints = 5;
constexpr int kClearGpx = 7;

bool busy(const core::MapWindow& map) {
    return map.data.drawBusy || map.data.mapLoading;
}

// The import's markers and points go; the route's points, markers and segments stay.
void clearGpx(core::MapWindow& map) {
    core::MapData& d = map.data;
    core::Markers& m = map.markers;
    map.menus.mgpx.setEnabled(false);
    core::unloadMarkers(m, d, core::MarkerKind::Gpx);
    m.plt[core::kMarkerTemplate].setVisible(false);
    d.gpxCount = 0;
}

} // namespace

void checkGpxMenuItems(core::MapWindow& map) {
    map.menus.mgp[kShowTracks].setChecked(map.global.showTracks);
    map.menus.mgp[kShowWaypoints].setChecked(map.global.showWaypoints);
}

void mgp_Click(core::MapWindow& map, int index) {
    if (busy(map)) return;
    map.data.routeSel = -1;
    switch (index) {
    case kShowTracks:
        map.global.showTracks = !map.global.showTracks;
        break;
    case kShowWaypoints:
        map.global.showWaypoints = !map.global.showWaypoints;
        break;
    case kClearGpx:
        if (platform::dialogs().msgBox("This will clear your GPX. Do you want to continue?",
                                       platform::msgbox::OkCancel) != platform::msgbox::Ok)
            return;
        clearGpx(map);
        break;
    default:
        return;
    }
    checkGpxMenuItems(map);
    render::redrawBehindSnap(map);
}

void gps_DblClick(core::MapWindow& map, int) {
    if (!busy(map)) endRouteDrawing(map);
}

void connectGpxMenu(core::MapWindow& map) {
    map.menus.mgp.onClick = [&map](int index) { mgp_Click(map, index); };
    map.markers.gps.onDblClick = [&map](int index) { gps_DblClick(map, index); };
}

} // namespace routes
