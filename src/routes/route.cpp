#include "routes/route.h"

#include "basic/colour.h"
#include "basic/format.h"
#include "basic/numtext.h"
#include "basic/val.h"
#include "routes/drawingmode.h"
#include "import/geodesy.h"
#include "window/mapwindow.h"
#include "window/resume.h"
#include "window/texthelpers.h"
#include "window/view.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace routes {
namespace {

using basic::Single;

constexpr int kRouteWidth = 2;
constexpr int kRouteColour = 9; // light blue
constexpr int kCustomPointer = 99;

struct PicturePoint {
    Single x = 0;
    Single y = 0;
};

// Points 1..count at the current view, and point count + 1 repeating the last so that the last
// segment has an end.
std::vector<PicturePoint> picturePoints(const core::MapWindow& map, int count) {
    const core::MapData& d = map.data;
    std::vector<PicturePoint> points(static_cast<size_t>(count) + 2);
    for (int i = 1; i <= count; ++i) {
        core::resumeNextWithMessage([&] {
            const auto at = static_cast<size_t>(i);
            // The route's map positions are held in single precision.
            const Single worldX = basic::csng(core::mapX(d, d.routeLon[at]));
            const Single worldY = basic::csng(core::mapY(d, d.routeLat[at]));
            points[at] = {core::pictureX(map.global, worldX), core::pictureY(map.global, worldY)};
        });
    }
    points[static_cast<size_t>(count) + 1] = points[static_cast<size_t>(count)];
    return points;
}

} // namespace

std::string fntim(Single miles, Single speedMph) {
    const Single hours = static_cast<Single>(double(miles) / speedMph);
    const std::string text = basic::dec(hours);
    if (text.find('.') == std::string::npos && text.find('E') == std::string::npos) return text + " hrs";
    const double minutes = basic::roundHalfEven(basic::csng(basic::val(text) * 60));
    const double wholeHours = basic::fix(minutes / 60);
    return basic::dec(wholeHours) + " hrs " + basic::format(minutes - wholeHours * 60, "00") + " mins";
}

void plotroute(core::MapWindow& map) {
    core::MapData& d = map.data;
    core::Markers& m = map.markers;
    platform::PictureBox& p1 = map.view.p1;
    const int count = std::clamp<int>(d.routeCount, 0, kMaxRoutePoints);
    const std::vector<PicturePoint> points = picturePoints(map, count);

    core::resumeNextWithMessage([&] {
        p1.setDrawWidth(kRouteWidth);
        p1.setForeColor(basic::qbColor(kRouteColour));
    });
    Single miles = 0;
    for (int i = 1; i <= count; ++i) {
        const PicturePoint& from = points[static_cast<size_t>(i)];
        const PicturePoint& to = points[static_cast<size_t>(i) + 1];
        core::resumeNextWithMessage([&] { m.Lin[i].setEnds(from.x, from.y, to.x, to.y); });
        core::resumeNextWithMessage([&] {
            const platform::ImageControl& model = m.plt[core::kMarkerTemplate];
            m.plt[i].move(from.x - model.width() / 2, from.y - model.height() / 2);
            m.plt[i].setVisible(true);
        });
        core::resumeNextWithMessage([&] { m.Lin[i].setVisible(true); });
        if (i < count) {
            const auto at = static_cast<size_t>(i);
            miles = basic::csng(miles + osmimport::distance(d.routeLat[at], d.routeLon[at],
                                                            d.routeLat[at + 1], d.routeLon[at + 1], "m"));
        }
    }

    core::resumeNextWithMessage(
        [&] { map.view.sb1.setPanelText(2, lengthAndTime(miles, map.global.settings.speedMph)); });
}

std::string lengthAndTime(Single miles, Single speedMph) {
    std::string length = basic::dec(miles);
    const std::string shown = core::cutToTwoDecimals(length);
    // The time is that of the length as shown, two decimals.
    return shown + " ml    " + fntim(static_cast<Single>(basic::val(shown)), speedMph);
}

void unloadRouteMarkers(core::MapWindow& map) {
    const int count = std::clamp<int>(map.data.routeCount, 0, kMaxRoutePoints);
    map.markers.Lin.unloadLoaded(1, count);
    map.markers.plt.unloadLoaded(1, count);
}

void showRoutePointer(core::MapWindow& map) {
    platform::PictureBox& p1 = map.view.p1;
    p1.setMouseIcon(map.stores.Image8.picture());
    p1.setMousePointer(kCustomPointer);
}

void eraseRoute(core::MapWindow& map) {
    core::MapData& d = map.data;
    unloadRouteMarkers(map);
    endRouteDrawing(map);
    d.routeActive = false;
    map.markers.plt[core::kMarkerTemplate].setVisible(false);
    d.routeCount = 0;
    d.pltCount = 0;
    d.routeUnsaved = false;
    map.view.sb1.setPanelText(2, "");
}

bool addRoutePoint(core::MapWindow& map, Single x, Single y) {
    core::MapData& d = map.data;
    if (d.routeCount >= kMaxRoutePoints) return false;
    const std::optional<core::LonLat> point = core::pictureToLonLat(map.global, d, x, y);
    if (!point) return false;
    d.routeUnsaved = true;
    d.routeActive = true;
    d.routeCount = static_cast<basic::Integer>(d.routeCount + 1);
    const auto at = static_cast<size_t>(d.routeCount);
    d.routeLon[at] = point->lon;
    d.routeLat[at] = point->lat;
    d.lastClickX = x;
    d.lastClickY = y;
    core::resumeNext([&] { map.markers.Lin.load(d.routeCount); });
    core::resumeNext([&] { map.markers.plt.load(d.routeCount); });
    d.pltCount = d.routeCount;
    plotroute(map);
    return true;
}

} // namespace routes
