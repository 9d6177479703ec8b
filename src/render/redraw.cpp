#include "render/redraw.h"

#include "core/mapwindow.h"
#include "platform/hourglass.h"
#include "poi/countpanel.h"
#include "render/reload.h"
#include "routes/route.h"

#include <QFileInfo>
#include <string>

namespace render {
namespace {

constexpr int kCopyPen = 13;

// A path that holds "*" is still the open dialog's pattern, never a file.
bool projectFileFound(const std::string& path) {
    return path.find('*') == std::string::npos && QFileInfo(QString::fromStdString(path)).isFile();
}

void setUp(core::MapWindow& map) {
    core::Viewport& v = map.view;
    map.d.drawBusy = true;
    v.tm2.setEnabled(false);
    v.p1.setEnabled(false);
    platform::hourglassOn();
}

// The passes in their fixed order. The area pass, the first to draw, starts by clearing the
// picture; the picture stays hidden until the point layers, and the route comes last but the
// one-way arrow heads.
void drawPasses(core::MapWindow& map, DrawErrors& errors) {
    platform::PictureBox& p1 = map.view.p1;
    const core::MapData& d = map.d;
    errors.run([&] { p1.setVisible(false); });
    errors.run([&] { p1.cls(); });
    errors.run([&] { p1.setVisible(true); });
    // Imported GPX points and the route are never drawn together: the GPX points have the place
    // while there are any and no route is being drawn.
    const bool gpxShown = d.gpxCount > 0 && !d.routeDrawing;
    if (!gpxShown && d.routeActive) routes::plotroute(map);
}

void finish(core::MapWindow& map) {
    core::Global& g = map.g;
    if (g.reloadTrailer) {
        poi::showtot(map, 0);
        g.reloadTrailer = false;
    }
    map.d.drawBusy = false;
    map.view.tm2.setEnabled(true);
    map.view.p1.setEnabled(true);
    platform::hourglassOff();
}

} // namespace

void redraw(core::MapWindow& map) {
    core::Global& g = map.g;
    map.view.bub.setVisible(false);
    if (g.curFile.empty() || map.d.drawBusy) return;
    map.legendPanel.Check3.setValue(1);
    g.cancelRequested = false;
    map.view.p1.setDrawMode(kCopyPen);
    if (g.parsedPath.empty()) return;
    if (!projectFileFound(g.parsedPath)) {
        platform::dialogs().msgBox("Can't find '" + g.parsedPath + "'");
        platform::hourglassOff();
        return;
    }

    setUp(map);
    DrawErrors errors;
    errors.run([&] { reloadProject(map); });
    drawPasses(map, errors);
    finish(map);
}

} // namespace render
