#include "routes/routeediting.h"

#include "platform/events.h"
#include "routes/drawingmode.h"
#include "routes/route.h"
#include "routes/routemenu.h"
#include "routes/routepoints.h"
#include "window/mapwindow.h"
#include "window/resume.h"
#include "window/view.h"

#include <cmath>
#include <optional>

namespace routes {
namespace {

using basic::Single;
using core::resumeNext;

constexpr int kInsertAfter = 1;
constexpr int kClear = 1;
constexpr int kCancelRoute = 2;

bool busy(const core::MapData& d) { return d.drawBusy || d.mapLoading; }

bool pointSelected(const core::MapData& d) { return d.routeSel >= 1 && d.routeSel <= d.routeCount; }

// Whether (x, y) of p1 lies on the part of the map picture that the viewport Picture1 shows.
bool onShownMap(const core::MapWindow& map, double x, double y) {
    const platform::PictureBox& p1 = map.view.p1;
    const platform::PictureBox& frame = map.view.Picture1;
    if (!(x >= 0 && y >= 0 && x <= p1.scaleWidth() && y <= p1.scaleHeight())) return false;
    const double left = p1.left() + p1.scaleX(x, platform::scalemode::User, platform::scalemode::Twips);
    const double top = p1.top() + p1.scaleY(y, platform::scalemode::User, platform::scalemode::Twips);
    return left >= 0 && top >= 0 && left <= frame.scaleWidth() && top <= frame.scaleHeight();
}

// A drop within one device pixel of where the drag began is a click on the marker, not a move.
bool atDragStart(const core::MapWindow& map, double x, double y) {
    const platform::PictureBox& p1 = map.view.p1;
    const double pixelX = p1.scaleX(1, platform::scalemode::Pixels, platform::scalemode::User);
    const double pixelY = p1.scaleY(1, platform::scalemode::Pixels, platform::scalemode::User);
    return std::fabs(x - map.data.routeDragX) <= pixelX && std::fabs(y - map.data.routeDragY) <= pixelY;
}

} // namespace

void plt_MouseDown(core::MapWindow& map, int index, int button, double x, double y) {
    core::MapData& d = map.data;
    if (busy(d)) return;
    platform::ImageControl& marker = map.markers.plt[index];
    if (button == platform::kLeftButton) {
        marker.drag(platform::kDragBegin);
        d.routeSel = static_cast<basic::Integer>(index);
        // x and y are twips from the marker's corner.
        const platform::PictureBox& p1 = map.view.p1;
        d.routeDragX = basic::csng(marker.left() +
                                   p1.scaleX(x, platform::scalemode::Twips, platform::scalemode::User));
        d.routeDragY = basic::csng(marker.top() +
                                   p1.scaleY(y, platform::scalemode::Twips, platform::scalemode::User));
        marker.setVisible(false);
    } else if (button == platform::kRightButton) {
        d.routeSel = static_cast<basic::Integer>(index);
        map.form.popupMenu(map.menus.mroute);
    }
}

void plt_MouseMove(core::MapWindow& map, int index) {
    if (busy(map.data)) return;
    map.markers.plt[index].setToolTipText("Total : " + map.view.sb1.panelText(2));
}

void plt_DblClick(core::MapWindow& map) {
    if (!busy(map.data)) endRouteDrawing(map);
}

void p1_DragOver(core::MapWindow& map, double x, double y) {
    const core::MapData& d = map.data;
    if (busy(d) || !pointSelected(d)) return;
    platform::PictureBox& p1 = map.view.p1;
    p1.setAutoRedraw(false);
    const int s = d.routeSel;
    if (s > 1 && map.markers.Lin.exists(s - 1)) map.markers.Lin[s - 1].setEnd(x, y);
    if (s < d.routeCount && map.markers.Lin.exists(s)) map.markers.Lin[s].setStart(x, y);
    platform::doEvents();
    platform::doEvents();
    p1.setAutoRedraw(true);
}

void p1_DragDrop(core::MapWindow& map, platform::Control& source, double x, double y) {
    core::MapData& d = map.data;
    // While busy the drawing under way ends with plotroute, which shows the marker again.
    if (busy(d) || !pointSelected(d)) return;
    source.drag(platform::kDragEnd);
    if (onShownMap(map, x, y) && !atDragStart(map, x, y)) {
        if (const std::optional<core::LonLat> point = core::pictureToLonLat(map.global, d, x, y)) {
            const auto at = static_cast<std::size_t>(d.routeSel);
            d.routeLon[at] = point->lon;
            d.routeLat[at] = point->lat;
            d.routeUnsaved = true;
        }
    }
    plotroute(map);
}

void plt_DragCancel(core::MapWindow& map) {
    if (busy(map.data)) return;
    plotroute(map);
}

void madd_Click(core::MapWindow& map, int index) {
    core::MapData& d = map.data;
    if (busy(d) || !pointSelected(d)) return;
    const InsertSide side = index == kInsertAfter ? InsertSide::After : InsertSide::Before;
    if (!insertPoint(d.routeLat, d.routeLon, d.routeCount, d.routeSel, side)) return;
    d.routeCount = static_cast<basic::Integer>(d.routeCount + 1);
    resumeNext([&] { map.markers.Lin.load(d.routeCount); });
    resumeNext([&] { map.markers.plt.load(d.routeCount); });
    d.pltCount = d.routeCount;
    d.routeUnsaved = true;
    plotroute(map);
}

void mdel_Click(core::MapWindow& map) {
    core::MapData& d = map.data;
    if (busy(d) || !pointSelected(d)) return;
    if (!deletePoint(d.routeLat, d.routeLon, d.routeCount, d.routeSel)) return;
    resumeNext([&] { map.markers.Lin.unload(d.routeCount); });
    resumeNext([&] { map.markers.plt.unload(d.routeCount); });
    d.routeCount = static_cast<basic::Integer>(d.routeCount - 1);
    d.pltCount = d.routeCount;
    d.routeUnsaved = true;
    plotroute(map);
}

void mrt_Click(core::MapWindow& map, int index, const SaveRoute& saveRoute) {
    if (busy(map.data) || !pointSelected(map.data)) return;
    if (index == kClear) {
        mnewr_Click(map, kCancelRoute);
    } else if (saveRoute) {
        saveRoute(map);
    }
}

} // namespace routes
