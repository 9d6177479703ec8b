#pragma once
// A loaded main window showing a file, with a route of given points whose lines and markers are
// loaded and drawn, as a user's clicks leave it.

#include "window/view.h"
#include "window/viewwindow.h"
#include "core/window_fixture.h"
#include "routes/route.h"

#include <utility>
#include <vector>

namespace routes::testing {

using basic::Single;
using Point = std::pair<Single, Single>; // lat, lon

class RouteWindowTest : public core::testing::WindowTest {
protected:
    // The window at the start view over a file whose data starts at (lon0, lat0).
    core::MapWindow& loadedMap(Single lon0 = -0.5f, Single lat0 = 52.5f) {
        core::MapWindow& map = load();
        core::init(map);
        map.data.mapLon0 = lon0;
        map.data.mapLat0 = lat0;
        map.data.mapScale = 4800;
        map.global.curFile = "/home/mapper/osm/london.osm";
        return map;
    }

    static void setRoute(core::MapWindow& map, const std::vector<Point>& points) {
        core::MapData& d = map.data;
        for (std::size_t i = 1; i <= points.size(); ++i) {
            d.routeLat[i] = points[i - 1].first;
            d.routeLon[i] = points[i - 1].second;
            map.markers.Lin.load(static_cast<int>(i));
            map.markers.plt.load(static_cast<int>(i));
        }
        d.routeCount = static_cast<basic::Integer>(points.size());
        d.pltCount = d.routeCount;
        d.routeActive = true;
        d.routeUnsaved = true;
        plotroute(map);
    }

    static Point routePoint(const core::MapWindow& map, int i) {
        return {map.data.routeLat[static_cast<std::size_t>(i)], map.data.routeLon[static_cast<std::size_t>(i)]};
    }

    // The elements of Lin and plt loaded are exactly 1..routeCount.
    static void expectElementsForEachPoint(const core::MapWindow& map) {
        const int count = map.data.routeCount;
        EXPECT_EQ(map.markers.Lin.ubound(), count);
        EXPECT_EQ(map.markers.plt.ubound(), count);
        for (int i = 1; i <= count; ++i) {
            EXPECT_TRUE(map.markers.Lin.exists(i)) << i;
            EXPECT_TRUE(map.markers.plt.exists(i)) << i;
        }
    }
};

} // namespace routes::testing
