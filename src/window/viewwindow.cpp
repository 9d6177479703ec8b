#include "window/viewwindow.h"

#include "basic/numtext.h"
#include "platform/canvasscale.h"
#include "platform/dialogs.h"
#include "window/mapwindow.h"
#include "window/view.h"

namespace core {
namespace {

constexpr basic::Single kStartZoom = 1.4f;
// The scroll ranges span three map pictures.
constexpr double kScrollSpan = 3;
// Where the map picture waits inside its container until the scroll bars place it.
constexpr double kParkLeft = -800;
constexpr double kParkTop = -1000;

} // namespace

void init(MapWindow& map) {
    Global& g = map.g;
    MapData& d = map.d;
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
    map.toolbars.Frame7[1].setEnabled(true);
    map.toolbars.Frame7[0].setEnabled(true);
    v.p1.setScaleMode(platform::scalemode::User);
    v.Picture1.setScaleMode(platform::scalemode::Twips);
    v.hs.setMax(basic::cint(kScrollSpan * v.p1.scaleWidth()));
    v.VS.setMax(basic::cint(kScrollSpan * v.p1.scaleHeight()));
    g.reloadTrailer = true;
    v.p1.move(kParkLeft, kParkTop);
    // Each assignment runs the bar's change handler, which places the map picture.
    v.VS.setValue(basic::cint(v.VS.max() / 2.0));
    v.hs.setValue(basic::cint(v.hs.max() / 2.0));
    legend.Check2.setValue(0);
    legend.Check5.setValue(0);
    g.authorOverlay = 0;
    // From zoom 1 with offsets 0: -1600 and -1320.
    g.viewZoom = kStartZoom;
    zoomAboutCentre(g, 1, kStartZoom);
}

void getlonlat(MapWindow& map, basic::Single X, basic::Single Y) {
    const MapData& d = map.d;
    if (d.mapScale == 0) return;
    const double lon = d.mapLon0 + (X - kWestEdgeX) / d.mapScale;
    const double lat = d.mapLat0 + (kNorthEdgeY - Y) / (double(d.mapScale) * latitudeStretch(d.mapLat0));
    platform::dialogs().msgBox(basic::str(lon) + "/" + basic::str(lat));
}

} // namespace core
