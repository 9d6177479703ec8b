#include "render/redraw.h"

#include "platform/hourglass.h"
#include "render/areapass.h"
#include "render/detailpass.h"
#include "render/drawcontext.h"
#include "render/linepasses.h"
#include "render/markerlayers.h"
#include "render/overlays.h"
#include "render/pencodes.h"
#include "render/problemmarkers.h"
#include "render/projectfile.h"
#include "render/redrawcalls.h"
#include "render/streetnames.h"
#include "render/waypass.h"
#include "window/mapwindow.h"

#include <string>
#include <utility>

namespace render {
namespace {

constexpr basic::Integer kPlanningSheet = 2;

void markBusy(core::MapWindow& map) {
    core::Viewport& v = map.view;
    map.data.drawBusy = true;
    v.tm2.setEnabled(false);
    v.p1.setEnabled(false);
    platform::hourglassOn();
}

// The passes in their fixed order. The area pass, the first to draw, starts by clearing the
// picture; the picture stays hidden until the POI icons are placed, and the route comes last but
// the one-way arrow heads. Without way records the passes from the all-ways pass to the detail pass
// are left out.
void drawPasses(core::MapWindow& map, DrawErrors& errors, const StepObserver& observer) {
    platform::PictureBox& p1 = map.view.p1;
    const core::MapData& d = map.data;
    auto step = [&](std::string_view name, auto&& pass) {
        if (observer) observer(name);
        errors.run(pass);
    };
    DrawContext c(map, errors);
    c.prepare();
    errors.run([&] { p1.setVisible(false); });
    step("areas", [&] { areaPass(c); });
    if (d.wayCount > 0) {
        step("all ways", [&] { allWaysPass(c); });
        step("waterways", [&] { waterwayPass(c); });
        step("bridge casings", [&] { casingPass(c); });
        step("detail", [&] { detailPass(c); });
    }
    step("railways", [&] { railwayPass(c); });
    step("power lines", [&] { powerLinePass(c); });
    step("bridge decks", [&] { deckPass(c); });
    step("street names", [&] { streetNamePass(c); });
    step("unnamed markers", [&] { placeUnnamedMarkers(map, errors); });
    step("POI markers", [&] { placePoiMarkers(map, errors); });
    errors.run([&] { p1.setVisible(true); });
    step("problem markers", [&] { placeProblemMarkers(map, errors); });
    step("labels", [&] {
        errors.run([&] { areaTagLabels(c); });
        placeLabels(c);
    });
    step("search arrows", [&] { placeSearchArrows(map, errors); });
    step("GPX or route", [&] {
        if (redrawCalls().drawGpxOrRoute) redrawCalls().drawGpxOrRoute(map, errors);
    });
    step("one-way arrows", [&] { drawOnewayArrows(map, errors); });
}

void finish(core::MapWindow& map) {
    map.data.drawBusy = false;
    map.view.tm2.setEnabled(true);
    map.view.p1.setEnabled(true);
    platform::hourglassOff();
}

} // namespace

MapDrawing::MapDrawing(core::MapWindow& map, StepObserver observer)
    : map_(map), observer_(std::move(observer)) {}

bool planningSheetShown(const core::MapWindow& map) {
    return map.data.mapMode == kPlanningSheet;
}

bool MapDrawing::reload(const std::function<bool()>& readBack) {
    core::MapWindow& map = map_;
    core::Global& g = map.global;
    map.view.bub.setVisible(false);
    if (g.curFile.empty() || map.data.drawBusy) return false;
    map.legendPanel.Check3.setValue(1);
    g.cancelRequested = false;
    map.view.p1.setDrawMode(kCopyPen);
    if (g.parsedPath.empty()) return false;
    if (!projectFileFound(g.parsedPath)) {
        platform::dialogs().msgBox("Can't find '" + g.parsedPath + "'");
        platform::hourglassOff();
        return false;
    }

    markBusy(map);
    busy_ = true;
    file_ = projectFileIdentity(g.parsedPath);
    errors_ = DrawErrors(DrawErrors::OnFault::SkipStatement, g.faultShownFor == file_);
    errors_.run([&] { map.markers.lab2[core::kMarkerTemplate].setFontName(g.settings.fontNames[core::kLabelFont]); });
    if (observer_) observer_("reload");
    errors_.run([&] {
        countsRead_ = readBack();
        reloaded_ = true;
    });
    return true;
}

void MapDrawing::drawMarkers() {
    // A file that cannot be read leaves the last drawing as it was, markers and all: drawing the
    // data still in memory would show the previous file's markers again.
    if (reloaded_) {
        core::barvis(map_, true);
        drawPasses(map_, errors_, observer_);
    }
    if (errors_.shown()) map_.global.faultShownFor = file_;
    finish(map_);
    busy_ = false;
    if (observer_) observer_("end");
}

MapDrawing::~MapDrawing() {
    // A fault that no statement of the drawing skipped still ends the busy state.
    if (busy_) finish(map_);
}

} // namespace render
