// The zoom buttons and the mouse wheel.

#include "core/navigation.h"
#include "core/startup.h"
#include "render/snap.h"
#include "window/caption.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"
#include "window/resume.h"

namespace core {
namespace {

using basic::Single;

enum class ZoomStep { Busy, Refused, Done };

// Beyond these the buttons refuse: zoom-in from 12 on, zoom-out below 1.5 (so 1.4 is the
// farthest out a file opens and stays).
constexpr double kZoomInLimit = 12;
constexpr double kZoomOutLimit = 1.5;

// One press of a zoom button (0 in, 1 out). A refusal changes neither the zoom nor the offsets
// and draws nothing.
ZoomStep zoomStep(MapWindow& map, int index) {
    Global& g = map.global;
    MapData& d = map.data;
    platform::ControlArray<platform::Frame>& frames = map.toolbars.Frame7;
    if (d.drawBusy) return ZoomStep::Busy;
    d.authorSelected = true;
    const Single before = g.viewZoom;
    resumeNext([&] { map.view.bub.setVisible(false); });
    d.leakedAreas.clear();

    if (index == 0) {
        if (g.viewZoom >= kZoomInLimit) {
            resumeNext([&] { frames[1].setEnabled(true); });
            return ZoomStep::Refused;
        }
        g.viewZoom = basic::csng(g.viewZoom * 2.0);
        resumeNext([&] { render::snap(map); });
        // Single against double, as the limits were always compared: 1.4 in single precision is
        // not above 1.4.
        resumeNext([&] { frames[0].setEnabled(g.viewZoom < 8.0); });
        resumeNext([&] { frames[1].setEnabled(g.viewZoom > 1.4); });
    } else if (index == 1) {
        if (g.viewZoom < kZoomOutLimit) return ZoomStep::Refused;
        g.viewZoom = basic::csng(g.viewZoom / 2.0);
        resumeNext([&] { render::snap(map); });
        resumeNext([&] { frames[0].setEnabled(g.viewZoom < 12.0); });
        resumeNext([&] { frames[1].setEnabled(g.viewZoom > 0.9); });
    }
    if (g.viewZoom == 1) {
        g.pressX = 0;
        g.pressY = 0;
    }
    resumeNext([&] { map.view.p1.setAutoRedraw(true); });
    zoomAboutCentre(g, before, g.viewZoom);

    // Without a file nothing is drawn under the still copy: it goes at once.
    if (g.curFile.empty()) {
        resumeNext([&] { render::hideSnap(map); });
        return ZoomStep::Done;
    }
    resumeNext([&] { redrawMap(map); });
    resumeNext([&] { render::hideSnap(map); });
    resumeNext([&] { cap(map, g.curFile); });
    return ZoomStep::Done;
}

} // namespace

void Image4_Click(MapWindow& map, int index) {
    zoomStep(map, index);
}

void tm2_Timer(MapWindow& map, WheelSteps& wheel) {
    Global& g = map.global;
    MapData& d = map.data;
    Viewport& v = map.view;
    if (!v.p1.enabled()) {
        v.tm2.setEnabled(false);
        return;
    }
    const int step = wheel.next([&] { return map.form.takeMouseWheel(); });
    if (step == 0 || d.drawBusy || d.mapLoading) return;

    g.homeOffX = g.viewOffX;
    g.homeOffY = g.viewOffY;
    // The cursor's distance from the zoom centre, in whole units. Moving the map by it before
    // halving (or by half of it before doubling) keeps the map point under the cursor in place.
    const basic::Integer fromCentreX = basic::subInteger(d.mouseX, static_cast<basic::Integer>(kZoomCentreX));
    const basic::Integer fromCentreY = basic::subInteger(d.mouseY, static_cast<basic::Integer>(kZoomCentreY));
    ZoomStep outcome = ZoomStep::Done;
    if (step < 0) {
        g.viewOffX = basic::csng(g.viewOffX + fromCentreX);
        g.viewOffY = basic::csng(g.viewOffY + fromCentreY);
        outcome = zoomStep(map, 1);
    } else {
        g.viewOffX = basic::csng(g.viewOffX - fromCentreX / 2.0);
        g.viewOffY = basic::csng(g.viewOffY - fromCentreY / 2.0);
        outcome = zoomStep(map, 0);
    }
    if (outcome != ZoomStep::Refused) return;
    g.viewOffX = g.homeOffX;
    g.viewOffY = g.homeOffY;
}

} // namespace core
