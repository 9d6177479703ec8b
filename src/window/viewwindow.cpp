#include "window/viewwindow.h"

#include "basic/numtext.h"
#include "platform/canvasscale.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "window/mapwindow.h"
#include "window/view.h"

#include <algorithm>
#include <cmath>

namespace core {
namespace {

constexpr basic::Single kStartZoom = 1.4f;
// Where the map picture waits inside its container until the scroll bars place it.
constexpr double kParkLeft = -800;
constexpr double kParkTop = -1000;

// A range of 0..2 x start within 16 bits, the start value in it; a viewport wider than the map
// picture starts below 0. `start` is rounded to whole pixels from `origin`, so that still copies
// of the viewport's part of p1 are exact.
void startAt(platform::ScrollBar& bar, double start, double origin) {
    const double pixels = std::round((start - origin) / platform::kTwipsPerPixel);
    const basic::Integer value =
        basic::cint(std::clamp(origin + pixels * platform::kTwipsPerPixel, -16383.0, 16383.0));
    bar.setMin(std::min(0, 2 * value));
    bar.setMax(std::max(0, 2 * value));
    bar.setValue(value);
}

} // namespace

UncoveredMap uncoveredMap(const MapWindow& map) {
    const platform::PictureBox& viewport = map.view.Picture1;
    const platform::Frame& legend = map.legendPanel.Frame2;
    double width = viewport.width();
    if (legend.visible()) width = std::clamp(legend.left() - viewport.left(), 0.0, width);
    return {viewport.left(), viewport.top(), width, viewport.height()};
}

PicturePoint uncoveredCentre(const MapWindow& map) {
    const Viewport& v = map.view;
    const UncoveredMap uncovered = uncoveredMap(map);
    // In p1's pixels, from p1's corner: p1's offset in the viewport and half the uncovered part.
    const double x =
        v.Picture1.lengthToPixelsX(-v.p1.left()) + uncovered.width / 2 / platform::kTwipsPerPixel;
    const double y =
        v.Picture1.lengthToPixelsY(-v.p1.top()) + uncovered.height / 2 / platform::kTwipsPerPixel;
    return {basic::csng(v.p1.fromPixelX(x)), basic::csng(v.p1.fromPixelY(y))};
}

void centreMapPicture(MapWindow& map) {
    Viewport& v = map.view;
    const UncoveredMap uncovered = uncoveredMap(map);
    const double twipsPerUnitX = v.p1.width() / v.p1.scaleWidth();
    const double twipsPerUnitY = v.p1.height() / v.p1.scaleHeight();
    startAt(v.VS, kVerticalScrollOrigin + kZoomCentreY * twipsPerUnitY - uncovered.height / 2,
            kVerticalScrollOrigin);
    startAt(v.hs, kZoomCentreX * twipsPerUnitX - uncovered.width / 2, 0);
}

void init(MapWindow& map) {
    Global& g = map.global;
    MapData& d = map.data;
    Viewport& v = map.view;
    LegendPanel& legend = map.legendPanel;

    d.mapScale = 1;
    d.trackDirty = true;
    g.pressX = 0;
    g.pressY = 0;
    g.viewOffX = 0;
    g.viewOffY = 0;
    // The list's own events must not take the emptying for an author choice.
    d.authorSelected = true;
    legend.List1.clear();
    d.authorSelected = false;
    d.authorListIndex = -1;
    legend.Check3.setEnabled(g.authorOverlay == 0);
    map.toolbars.Frame7[kZoomOutButton].setEnabled(true);
    map.toolbars.Frame7[kZoomInButton].setEnabled(true);
    v.p1.setScaleMode(platform::scalemode::User);
    v.Picture1.setScaleMode(platform::scalemode::Twips);
    g.reloadTrailer = true;
    v.p1.move(kParkLeft, kParkTop);
    // Each value assigned runs the bar's change handler, which places the map picture.
    centreMapPicture(map);
    legend.Check2.setValue(0);
    legend.Check5.setValue(0);
    g.authorOverlay = 0;
    // From zoom 1 with offsets 0: -1600 and -1320.
    g.viewZoom = kStartZoom;
    zoomAboutCentre(g, 1, kStartZoom);
}

void getlonlat(MapWindow& map, basic::Single X, basic::Single Y) {
    const MapData& d = map.data;
    if (d.mapScale == 0) return;
    const double lon = d.mapLon0 + (X - kWestEdgeX) / d.mapScale;
    const double lat = d.mapLat0 + (kNorthEdgeY - Y) / (double(d.mapScale) * latitudeStretch(d.mapLat0));
    platform::dialogs().msgBox(basic::str(lon) + "/" + basic::str(lat));
}

} // namespace core
