// Showing imported GPX points: waypoint markers, track shapes and the lines between them.

#include "core/window_fixture.h"
#include "routes/gpxdisplay.h"

#include <tuple>

namespace routes::testing {
namespace {

using core::testing::WindowTest;

struct Point {
    float lon;
    float lat;
    const char* name;
    bool named;
};

// Map units: x = lon x 1000 + 3000, y = 2500 - lat x 1000; zoom 1, no offsets, so the picture
// point is the map point.
class GpxDisplayTest : public WindowTest {
protected:
    core::MapWindow& ready(std::initializer_list<Point> points) {
        core::MapWindow& map = load();
        showDesignedView(map);
        map.global.viewZoom = 1;
        map.global.viewOffX = 0;
        map.global.viewOffY = 0;
        map.global.showTracks = true;
        map.global.showWaypoints = true;
        core::MapData& d = map.data;
        d.mapScale = 1000;
        d.mapLon0 = 0;
        d.mapLat0 = 0;
        d.gpxNamedPoints = "#";
        size_t i = 0;
        for (const Point& p : points) {
            ++i;
            d.routeLon[i] = p.lon;
            d.routeLat[i] = p.lat;
            d.pointName[i] = p.name;
            if (p.named) d.gpxNamedPoints += std::to_string(i) + "#";
        }
        d.gpxCount = static_cast<basic::Integer>(i);
        return map;
    }
};

// Markers only for the named points: gpsCount counts them, the track point between gets none.
TEST_F(GpxDisplayTest, WaypointsCentredWithTheirNames) {
    core::MapWindow& map =
        ready({{0.5f, 0.5f, "church", true}, {0.6f, 0.5f, "", false}, {1.0f, 0.5f, "wood", true}});
    plotgpx(map, map.data.gpxCount);
    core::Markers& m = map.markers;
    ASSERT_EQ(map.data.gpsCount, 2);
    EXPECT_EQ(m.gps.ubound(), 2);
    EXPECT_EQ(map.data.gptCount, 1);
    EXPECT_TRUE(m.gps[1].visible());
    EXPECT_EQ(m.gps[1].toolTipText(), "church");
    EXPECT_DOUBLE_EQ(m.gps[1].left() + m.gps[0].width() / 2, 3500);
    EXPECT_DOUBLE_EQ(m.gps[1].top() + m.gps[0].height() / 2, 2000);
    EXPECT_EQ(m.gps[1].picture().cacheKey(), m.gps[0].picture().cacheKey());
    // A name holding "w" anywhere shows the second picture.
    EXPECT_EQ(m.gps[2].picture().cacheKey(), map.stores.Image5.picture().cacheKey());
}

TEST_F(GpxDisplayTest, WithWaypointsOffNamedPointsBecomeDots) {
    core::MapWindow& map = ready({{0.5f, 0.5f, "church", true}, {0.51f, 0.5f, "", false}});
    map.global.showWaypoints = false;
    plotgpx(map, map.data.gpxCount);
    EXPECT_EQ(map.data.gpsCount, 0);
    EXPECT_EQ(map.markers.gps.ubound(), 0);
    ASSERT_EQ(map.data.gptCount, 2);
    EXPECT_TRUE(map.markers.gpt[1].visible());
    EXPECT_DOUBLE_EQ(map.markers.gpt[1].left() + map.markers.gpt[0].width() / 2, 3500);
}

// Consecutive track points under 50 map units apart horizontally are joined from the previous
// shape's corner to this one's; 50 or more leaves a gap, and a track that leaves the window and
// comes back gets no line from the last shape before it left.
TEST_F(GpxDisplayTest, TrackLinesJoinDrawnNeighboursUnder50MapUnits) {
    const struct {
        const char* name;
        std::initializer_list<Point> points;
        int shapes;
        std::vector<bool> joined; // Lin2(1..3)
    } cases[] = {
        {"3000, 3049, 3099 across", {{0.0f, 0.0f, "", false}, {0.049f, 0.0f, "", false}, {0.099f, 0.0f, "", false}},
         3, {false, true, false}},
        {"A (3500, 2500), B (3500, 6500) below the window, C (3500, 2490)",
         {{0.5f, 0.0f, "", false}, {0.5f, -4.0f, "", false}, {0.5f, 0.01f, "", false}}, 2, {false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        core::MapWindow& map = ready(c.points);
        plotgpx(map, map.data.gpxCount);
        core::Markers& m = map.markers;
        ASSERT_EQ(map.data.gptCount, c.shapes);
        EXPECT_TRUE(m.gpt[c.shapes].visible());
        for (int k = 1; k <= 3; ++k) {
            ASSERT_EQ(m.Lin2.exists(k), c.joined[static_cast<std::size_t>(k - 1)]) << k;
            if (!m.Lin2.exists(k)) continue;
            EXPECT_TRUE(m.Lin2[k].visible());
            EXPECT_EQ(std::tuple(m.Lin2[k].x1(), m.Lin2[k].y1(), m.Lin2[k].x2(), m.Lin2[k].y2()),
                      std::tuple(m.gpt[k - 1].left(), m.gpt[k - 1].top(), m.gpt[k].left(), m.gpt[k].top()));
        }
    }
}

// The window 1500..7500 x 1500..6000 of p1, its edges included.
TEST_F(GpxDisplayTest, TrackPointsOnlyInsideTheWindowAndWhileShown) {
    struct Case {
        float lon;
        float lat;
        bool drawn;
    } cases[] = {{-1.5f, 0.0f, true},    {4.5f, 0.0f, true},    // x 1500, 7500
                 {0.0f, 1.0f, true},     {0.0f, -3.5f, true},   // y 1500, 6000
                 {-1.501f, 0.0f, false}, {4.501f, 0.0f, false}, // x 1499, 7501
                 {0.0f, 1.001f, false},  {0.0f, -3.501f, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lon << " " << c.lat);
        core::MapWindow& map = ready({{c.lon, c.lat, "", false}});
        plotgpx(map, 1);
        EXPECT_EQ(map.data.gptCount, c.drawn ? 1 : 0);
        EXPECT_EQ(map.data.gpsCount, 0);
    }

    core::MapWindow& hidden = ready({{0.5f, 0.5f, "", false}, {0.51f, 0.5f, "", false}});
    hidden.global.showTracks = false;
    plotgpx(hidden, hidden.data.gpxCount);
    EXPECT_EQ(hidden.data.gptCount, 0);
    EXPECT_EQ(hidden.markers.gpt.count(), 1);
    EXPECT_EQ(hidden.markers.Lin2.count(), 1);
}

// The map positions follow the file now loaded, also when no import marked them out of date.
TEST_F(GpxDisplayTest, PositionsFollowTheLoadedMap) {
    core::MapWindow& map = ready({{0.5f, 0.5f, "a", true}});
    map.data.trackDirty = true;
    plotgpx(map, 1);
    EXPECT_FALSE(map.data.trackDirty);
    map.markers.gps.unload(1);
    map.data.gpsCount = 0;
    map.data.mapScale = 2000;
    plotgpx(map, 1);
    EXPECT_DOUBLE_EQ(map.markers.gps[1].left() + map.markers.gps[0].width() / 2, 4000);
}

TEST_F(GpxDisplayTest, CountsBeyondTheStoreAreCapped) {
    core::MapWindow& map = ready({{0.5f, 0.5f, "a", true}});
    plotgpx(map, -4);
    EXPECT_EQ(map.data.gpsCount, 0);
    plotgpx(map, 20000);
    EXPECT_EQ(map.data.gpsCount, 1);
    EXPECT_EQ(map.data.gptCount, kGpxShown - 1);
    EXPECT_TRUE(dialogs().shown().empty());
}

} // namespace
} // namespace routes::testing
