#include "render/planningsheet.h"

#include "basic/colour.h"
#include "platform/hourglass.h"
#include "render/drawcontext.h"
#include "render/markerlayers.h"
#include "render/overlays.h"
#include "render/pencodes.h"
#include "render/projectfile.h"
#include "render/redrawcalls.h"
#include "render/sheetareas.h"
#include "render/sheetways.h"
#include "render/streetnames.h"
#include "window/mapwindow.h"

#include <string>

namespace render {
namespace {

constexpr basic::Integer kLargestLabel = 20;
constexpr basic::Single kNamesFromZoom = 1.5f;
constexpr double kAreaTagSize = 7;
constexpr int kCornerProbe = 10;
// Around each corner probe's pixel, more than any outline of the sheet reaches beyond a pen.
constexpr int kProbeMargin = 8;

// The passes of one run, from a cleared picture to the street names.
void drawSheet(DrawContext& c, SheetBrushes& brushes, bool repeated, const StepObserver& observer) {
    auto step = [&](std::string_view name, auto&& pass) {
        if (observer) observer(repeated ? std::string(name) + " again" : std::string(name));
        pass();
    };
    platform::PictureBox& p1 = c.p1;
    step("areas", [&] {
        p1.setVisible(false);
        p1.cls();
        sheetAreaPass(c, brushes, repeated);
    });
    step("all ways", [&] { sheetAllWaysPass(c); });
    step("waterways", [&] { sheetWaterwayPass(c); });
    step("bridge casings", [&] { sheetCasingPass(c); });
    step("general ways", [&] { sheetGeneralPass(c); });
    step("bridge decks", [&] { sheetDeckPass(c); });
    step("street names", [&] {
        drawStreetNames(c, kNamesFromZoom, drawFontSize(c.global.settings.labelFontSize, c.global.viewZoom, kLargestLabel));
    });
}

// The sheet is drawn again when both top corners show one colour other than the leak-test
// colour, which on its white background they normally do.
bool drawAgain(const platform::PictureBox& p1) {
    const basic::Long left = p1.point(kCornerProbe, kCornerProbe);
    const basic::Long right = p1.point(p1.scaleWidth() - kCornerProbe, kCornerProbe);
    return left == right && left != basic::rgb(241, 238, 232);
}

// The pixels drawAgain reads, each with a margin.
std::vector<QRect> cornerProbes(const platform::PictureBox& p1) {
    std::vector<QRect> probes;
    for (const double x : {double(kCornerProbe), p1.scaleWidth() - kCornerProbe}) {
        const QPoint at(static_cast<int>(p1.toPixelX(x)), static_cast<int>(p1.toPixelY(kCornerProbe)));
        probes.emplace_back(at - QPoint(kProbeMargin, kProbeMargin), at + QPoint(kProbeMargin, kProbeMargin));
    }
    return probes;
}

// The first run is wiped by the repeat it normally leads to; only its corner pixels decide that
// repeat. So it first draws only the ways that reach the corners, and is drawn whole only when
// no repeat follows. Everything but those pixels is left as the whole run leaves it: labelled
// ways and ways whose drawing takes the error path are drawn as ever.
void drawSheetRuns(DrawContext& c, SheetBrushes& brushes, const StepObserver& observer) {
    c.countOnly(cornerProbes(c.p1));
    drawSheet(c, brushes, false, observer);
    c.countOnly({});
    if (drawAgain(c.p1))
        drawSheet(c, brushes, true, observer);
    else
        drawSheet(c, brushes, false, {});
}

void drawAll(core::MapWindow& map, const std::function<void()>& readBack, DrawErrors& errors,
             const StepObserver& observer) {
    core::Global& g = map.global;
    platform::PictureBox& p1 = map.view.p1;
    map.markers.lab2[core::kMarkerTemplate].setFontName(g.settings.fontNames[core::kLabelFont]);
    if (observer) observer("reload");
    readBack();
    core::barvis(map, true);

    DrawContext c(map, errors);
    c.prepare();
    SheetBrushes brushes;
    drawSheetRuns(c, brushes, observer);
    if (observer) observer("POI markers");
    placePoiMarkers(map, errors);
    p1.setVisible(true);
    if (observer) observer("labels");
    drawAreaTagLabels(c, kAreaTagSize, basic::qbColor(0));
    placeLabels(c);
    // The search arrows are placed at their hits as on the normal map: an arrow left where the
    // last drawing put it would point at whatever the pan brought there.
    if (observer) observer("search arrows");
    placeSearchArrows(map, errors);
    if (observer) observer("GPX or route");
    if (redrawCalls().drawGpxOrRoute) redrawCalls().drawGpxOrRoute(map, errors);
}

// The window as a user can work with it again, whichever way the drawing ended.
void finish(core::MapWindow& map) {
    map.data.drawBusy = false;
    map.view.p1.setEnabled(true);
    map.view.p1.setVisible(true);
    map.view.tm2.setEnabled(true);
    platform::hourglassOff();
}

} // namespace

void drawPlanningSheet(core::MapWindow& map, const std::function<void()>& readBack, const StepObserver& observer) {
    core::Global& g = map.global;
    platform::PictureBox& p1 = map.view.p1;
    map.view.bub.setVisible(false);
    if (g.curFile.empty() || map.data.drawBusy) return;
    p1.setBackColor(basic::qbColor(kWhite));
    p1.setEnabled(false);
    map.view.tm2.setEnabled(false);
    map.legendPanel.Check3.setValue(1);
    g.cancelRequested = false;
    p1.setDrawMode(kCopyPen);
    if (g.parsedPath.empty()) {
        finish(map);
        return;
    }
    if (!projectFileFound(g.parsedPath)) {
        platform::dialogs().msgBox("Can't find '" + g.parsedPath + "'");
        finish(map);
        return;
    }

    platform::hourglassOn();
    map.data.drawBusy = true;
    g.reloadTrailer = true;
    const std::string file = projectFileIdentity(g.parsedPath);
    DrawErrors errors(DrawErrors::OnFault::EndDrawing, g.faultShownFor == file);
    try {
        errors.run([&] { drawAll(map, readBack, errors, observer); });
    } catch (const DrawingEnded&) {
        // The fault has been shown (now or in an earlier drawing of the file); the window is
        // made usable below.
        g.faultShownFor = file;
    }
    finish(map);
    if (observer) observer("end");
}

} // namespace render
