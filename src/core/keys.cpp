#include "core/keys.h"

#include "poi/fixmereport.h"
#include "render/snap.h"
#include "routes/gpxmenu.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"
#include "window/resume.h"
#include "window/viewwindow.h"

namespace core {
namespace {

constexpr Single kPanStep = 500;

constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;

constexpr int kLowerQ = 113;
constexpr int kEnter = 13;
constexpr int kCtrlR = 18;
constexpr int kCtrlF = 6;

constexpr int kPlanningSheet = 2;

bool busy(const MapWindow& map) {
    return map.data.drawBusy || map.data.mapLoading;
}

} // namespace

void Form_KeyDown(MapWindow& map, int& keyCode) {
    if (map.global.curFile.empty() || busy(map)) return;
    Global& g = map.global;
    switch (keyCode) {
    case kUp:
        g.viewOffY += kPanStep;
        break;
    case kDown:
        g.viewOffY -= kPanStep;
        break;
    case kLeft:
        g.viewOffX += kPanStep;
        break;
    case kRight:
        g.viewOffX -= kPanStep;
        break;
    default:
        return;
    }
    resumeNext([&] { render::snap(map); });
    resumeNext([&] { redrawMap(map); });
    resumeNext([&] {
        map.view.p2.setVisible(false);
        map.view.p2.cls();
    });
}

void Form_KeyPress(MapWindow& map, int& keyAscii) {
    if (busy(map)) return;
    if (keyAscii == kLowerQ) {
        map.global.showWaypoints = false;
        resumeNext([&] { routes::checkGpxMenuItems(map); });
    }
    if (keyAscii == kEnter) map.menus.mn[kPlanningSheet].setEnabled(true);
    if (keyAscii == kCtrlR) {
        resumeNext([&] { render::snap(map); });
        resumeNext([&] { init(map); });
        resumeNext([&] { redrawMap(map); });
        map.view.p2.setVisible(false);
    }
    if (keyAscii == kCtrlF) poi::fixme(map);
}

void connectKeys(MapWindow& map) {
    map.form.onKeyDown = [&map](int& keyCode, int) { Form_KeyDown(map, keyCode); };
    map.form.onKeyPress = [&map](int& keyAscii) { Form_KeyPress(map, keyAscii); };
}

} // namespace core
