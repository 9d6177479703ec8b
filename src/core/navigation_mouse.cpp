// The mouse on the map picture: press, the drag preview and the zoom box, release.

#include "basic/format.h"
#include "core/navigation.h"
#include "platform/canvasscale.h"
#include "platform/events.h"
#include "render/snap.h"
#include "routes/route.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"
#include "window/resume.h"

#include <algorithm>
#include <cmath>

namespace core {
namespace {

using basic::Single;

// A left drag shows its preview once the cursor is this far (p1 units) from the press along
// either axis.
constexpr double kDragThreshold = 50;
constexpr basic::Single kMaxBoxZoom = 50;
constexpr int kDefaultPointer = 0;
constexpr int kCustomPointer = 99;

// The newest route line's free end follows the cursor while the route is drawn.
void followWithRouteLine(MapWindow& map, double x, double y) {
    const MapData& d = map.data;
    if (d.routeCount <= 0 || d.routeHold || !d.routeDrawing || !map.markers.Lin.exists(d.routeCount)) return;
    platform::LineControl& line = map.markers.Lin[d.routeCount];
    line.setEnd(x, y);
    line.setVisible(true);
}

void showZoomBox(MapWindow& map, double x, double y) {
    const Global& g = map.global;
    const double left = x < g.pressX ? basic::cint(x) : basic::cint(g.pressX);
    const double top = y < g.pressY ? basic::cint(y) : basic::cint(g.pressY);
    platform::ShapeControl& box = map.view.rec;
    box.move(left, top, std::fabs(g.pressX - x), std::fabs(g.pressY - y));
    box.setVisible(true);
}

void showDragPreview(MapWindow& map, double x, double y) {
    Global& g = map.global;
    MapData& d = map.data;
    Viewport& v = map.view;
    if (std::fabs(g.pressX - x) < kDragThreshold && std::fabs(g.pressY - y) < kDragThreshold) return;
    if (!d.routeHold) {
        v.p1.setMouseIcon(map.stores.Image7.picture());
        v.p1.setMousePointer(kCustomPointer);
        v.tm2.setEnabled(false);
    }
    d.routeHold = true;
    // Cleared first: where the moved region reaches past p1's edge the preview shows background.
    v.p2.cls();
    render::paintShownMap(map, g.pressX - x, g.pressY - y);
    v.p2.setVisible(true);
    d.dragLastX = static_cast<Single>(x);
    d.dragLastY = static_cast<Single>(y);
}

// The end of a drag that showed its preview, also while busy: the drag pointer goes, and the
// wheel timer runs again while a map is shown.
void endDrag(MapWindow& map) {
    resumeNext([&] { map.view.p1.setMousePointer(kDefaultPointer); });
    resumeNext([&] { map.view.tm2.setEnabled(!map.global.curFile.empty()); });
}

// The pan: the map moves by the last preview step, which becomes the release point.
void pan(MapWindow& map, double& x, double& y) {
    Global& g = map.global;
    MapData& d = map.data;
    x = d.dragLastX;
    y = d.dragLastY;
    resumeNext([&] { g.viewOffX = basic::csng(g.viewOffX + (d.dragLastX - g.pressX)); });
    resumeNext([&] { g.viewOffY = basic::csng(g.viewOffY + (d.dragLastY - g.pressY)); });
}

// The box's centre moves to the zoom centre, then the zoom grows by the box.
void zoomIntoBox(MapWindow& map) {
    Global& g = map.global;
    Viewport& v = map.view;
    const platform::ShapeControl& box = v.rec;
    resumeNext([&] { v.Picture1.setScaleMode(platform::scalemode::Twips); });
    resumeNext([&] {
        g.viewOffX = basic::csng(g.viewOffX + kZoomCentreX - (box.left() + box.width() / 2));
        g.viewOffY = basic::csng(g.viewOffY + kZoomCentreY - (box.top() + box.height() / 2));
    });
    resumeNext([&] {
        const Single before = g.viewZoom;
        const std::optional<Single> after = boxZoom(before, v.Picture1.height(), box.width(), box.height());
        if (!after) return;
        g.viewZoom = *after;
        zoomAboutCentre(g, before, *after);
    });
    resumeNext([&] { render::snap(map); });
}

// The GPX waypoint markers gps 1..gpsCount: a drawing shows every one it loads, so those loaded
// are the ones shown before a press hid them.
void showWaypointMarkers(MapWindow& map, bool shown) {
    for (int i = 1; i <= map.data.gpsCount; ++i) {
        if (map.markers.gps.exists(i)) map.markers.gps[i].setVisible(shown);
    }
}

// After a release in route mode: the route pointer, and the newest line's free end back on the
// last point.
void restoreRouteLine(MapWindow& map) {
    MapData& d = map.data;
    resumeNext([&] { routes::showRoutePointer(map); });
    if (d.routeCount <= 0 || d.routeCount > routes::kMaxRoutePoints) return;
    resumeNext([&] {
        const auto last = static_cast<size_t>(d.routeCount);
        const Single worldX = basic::csng(mapX(d, d.routeLon[last]));
        const Single worldY = basic::csng(mapY(d, d.routeLat[last]));
        map.markers.Lin[d.routeCount].setEnd(pictureX(map.global, worldX), pictureY(map.global, worldY));
    });
}

} // namespace

Release classifyRelease(int button, bool routeDrawing, bool routeHold, double dx, double dy,
                        Single viewZoom) {
    switch (button) {
    case platform::kLeftButton:
        if (routeHold) return Release::Pan;
        return routeDrawing ? Release::RoutePoint : Release::Click;
    case platform::kRightButton: {
        const double least = 2 * viewZoom;
        return std::fabs(dx) >= least && std::fabs(dy) >= least ? Release::ZoomBox : Release::Click;
    }
    default:
        return Release::OtherButton;
    }
}

std::string cursorText(const LonLat& position) {
    return basic::format(position.lon, ".0000") + " , " + basic::format(position.lat, ".0000");
}

std::optional<Single> boxZoom(Single viewZoom, double viewHeight, double width, double height) {
    const double side = height > width ? height : width;
    if (!(side > 0)) return std::nullopt;
    return std::min(basic::csng(viewZoom + viewHeight / side / 6), kMaxBoxZoom);
}

void p1_MouseDown(MapWindow& map, int button, double x, double y) {
    Global& g = map.global;
    MapData& d = map.data;
    Viewport& v = map.view;
    g.pressX = static_cast<Single>(x);
    g.pressY = static_cast<Single>(y);
    v.p2.setScaleMode(v.p1.scaleMode());
    v.bub.setVisible(false);
    if (button != platform::kLeftButton || d.routeDrawing) return;
    render::snap(map);
    showWaypointMarkers(map, false);
}

void p1_MouseMove(MapWindow& map, int button, double x, double y) {
    MapData& d = map.data;
    if (d.drawBusy) return;
    switch (button) {
    case platform::kRightButton:
        showZoomBox(map, x, y);
        return;
    case platform::kLeftButton:
        showDragPreview(map, x, y);
        return;
    default:
        followWithRouteLine(map, x, y);
        if (const std::optional<LonLat> position = pictureToLonLat(map.global, d, x, y))
            map.view.sb1.setPanelText(3, cursorText(*position));
        d.mouseX = basic::cint(x);
        d.mouseY = basic::cint(y);
    }
}

void p1_MouseUp(MapWindow& map, int button, double x, double y) {
    Global& g = map.global;
    MapData& d = map.data;
    Viewport& v = map.view;
    const Release release =
        classifyRelease(button, d.routeDrawing, d.routeHold, g.pressX - x, g.pressY - y, g.viewZoom);
    if (release == Release::Click) {
        resumeNext([&] { v.rec.setVisible(false); });
        resumeNext([&] { render::hideSnap(map); });
        // No redraw puts back the waypoints the press hid for a drag.
        showWaypointMarkers(map, true);
        return;
    }

    if (release == Release::Pan) endDrag(map);
    if (!d.drawBusy) {
        resumeNext([&] { v.rec.setVisible(false); });
        resumeNext([&] { v.bub.setVisible(false); });
        switch (release) {
        case Release::RoutePoint:
            resumeNext([&] { routes::addRoutePoint(map, static_cast<Single>(x), static_cast<Single>(y)); });
            return;
        case Release::Pan:
            pan(map, x, y);
            break;
        case Release::ZoomBox:
            zoomIntoBox(map);
            break;
        default:
            break;
        }
        d.authorSelected = true;
        g.reloadTrailer = false;
        resumeNext([&] { redrawMap(map); });
        resumeNext([&] { render::hideSnap(map); });
        platform::doEvents();
        resumeNext([&] { map.toolbars.Frame7[kZoomOutButton].setEnabled(true); });
    }

    if (d.routeDrawing) restoreRouteLine(map);
    if (d.routeHold && d.routeCount > 0) resumeNext([&] { routes::plotroute(map); });
    g.pressX = static_cast<Single>(x);
    g.pressY = static_cast<Single>(y);
    d.routeHold = false;
}

void p2_MouseDown(MapWindow& map) {
    if (!map.data.drawBusy) render::hideSnap(map);
}

void p2_MouseUp(MapWindow& map) {
    if (!map.data.drawBusy) render::hideSnap(map);
}

} // namespace core
