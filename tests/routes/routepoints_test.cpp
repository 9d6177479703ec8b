// Inserting and deleting route points: where the new point lands, from the middle, the ends and
// a one-point route, and what is refused.

#include "routes/routepoints.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace routes {
namespace {

using basic::Single;
using Point = std::pair<Single, Single>; // lat, lon

// Point arrays with room for `slots` - 1 points, holding `points` from index 1.
struct Arrays {
    std::vector<Single> lat;
    std::vector<Single> lon;

    Arrays(std::vector<Point> points, std::size_t slots = 10001) : lat(slots), lon(slots) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            lat[i + 1] = points[i].first;
            lon[i + 1] = points[i].second;
        }
    }
    void expectPoints(const std::vector<Point>& expected) const {
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(lat[i + 1], expected[i].first, 1e-5) << "point " << i + 1;
            EXPECT_NEAR(lon[i + 1], expected[i].second, 1e-5) << "point " << i + 1;
        }
    }
};

const Point P1{51.50f, -0.10f};
const Point P2{51.51f, -0.10f};
const Point P3{51.51f, -0.08f};

TEST(RoutePointsTest, InsertBesideAPointOfThreePoints) {
    const struct {
        int selected;
        InsertSide side;
        std::vector<Point> expected;
    } cases[] = {
        {3, InsertSide::After, {P1, P2, P3, {51.51f, -0.07f}}},  // half the last segment on
        {1, InsertSide::Before, {{51.49f, -0.10f}, P1, P2, P3}}, // one whole first segment back
        {1, InsertSide::After, {P1, {51.505f, -0.10f}, P2, P3}}, // midpoints
        {2, InsertSide::Before, {P1, {51.505f, -0.10f}, P2, P3}},
        {3, InsertSide::Before, {P1, P2, {51.51f, -0.09f}, P3}},
        {2, InsertSide::After, {P1, P2, {51.51f, -0.09f}, P3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.selected) + (c.side == InsertSide::After ? " after" : " before"));
        Arrays route({P1, P2, P3});
        ASSERT_TRUE(insertPoint(route.lat, route.lon, 3, c.selected, c.side));
        route.expectPoints(c.expected);
    }
}

TEST(RoutePointsTest, OnePointRouteGetsItsNeighbourAThousandthOfADegreeAway) {
    const Point p{-33.9f, 18.4f};
    Arrays before({p});
    before.lat[3] = 99; // whatever lies beyond the route is not read
    ASSERT_TRUE(insertPoint(before.lat, before.lon, 1, 1, InsertSide::Before));
    before.expectPoints({{-33.901f, 18.399f}, p});

    Arrays after({p});
    ASSERT_TRUE(insertPoint(after.lat, after.lon, 1, 1, InsertSide::After));
    after.expectPoints({p, {-33.899f, 18.401f}});
}

TEST(RoutePointsTest, FullArraysAndPointsOutsideTheRouteAreRefused) {
    Arrays full({P1, P2}, 3); // room for two points only
    EXPECT_FALSE(insertPoint(full.lat, full.lon, 2, 1, InsertSide::After));
    full.expectPoints({P1, P2});

    std::vector<Point> many(10000, P1);
    many.back() = P3;
    Arrays tenThousand(many);
    EXPECT_FALSE(insertPoint(tenThousand.lat, tenThousand.lon, 10000, 10000, InsertSide::After));
    tenThousand.expectPoints({P1});
    EXPECT_EQ(tenThousand.lat[10000], P3.first);

    Arrays route({P1, P2, P3});
    for (int selected : {-1, 0, 4}) {
        EXPECT_FALSE(insertPoint(route.lat, route.lon, 3, selected, InsertSide::Before)) << selected;
        EXPECT_FALSE(deletePoint(route.lat, route.lon, 3, selected)) << selected;
    }
    route.expectPoints({P1, P2, P3});
    EXPECT_EQ(route.lat[4], 0);
}

TEST(RoutePointsTest, DeletingMovesTheLaterPointsDown) {
    Arrays route({P1, P2, P3});
    ASSERT_TRUE(deletePoint(route.lat, route.lon, 3, 2));
    route.expectPoints({P1, P3});
    ASSERT_TRUE(deletePoint(route.lat, route.lon, 2, 2));
    route.expectPoints({P1});
    ASSERT_TRUE(deletePoint(route.lat, route.lon, 1, 1));
}

} // namespace
} // namespace routes
