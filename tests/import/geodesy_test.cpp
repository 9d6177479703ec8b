// Great-circle distances as the route panel and the station check show them.

#include "import/geodesy.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string_view>

namespace osmimport {
namespace {

TEST(Geodesy, OneDegreeOfLatitudeInEachUnit) {
    struct Case {
        std::string_view unit;
        double expected;
    };
    // The two unit constants are not reciprocal: 1.1515 x 0.8684 is 0.99996, hence 59.998.
    for (const Case& c : {Case{"m", 69.09}, Case{"", 69.09}, Case{"miles", 69.09}, Case{"K", 111.19},
                          Case{"k", 111.19}, Case{"N", 59.998}, Case{"n", 59.998}}) {
        EXPECT_NEAR(distance(51.5, -0.1, 52.5, -0.1, c.unit), c.expected, 0.005) << c.unit;
    }
}

TEST(Geodesy, TheSamePointTwiceIsZeroAndNeverNaN) {
    // Points whose cosine rounds above 1 when computed.
    for (const auto& [lat, lon] : {std::pair{51.5, -0.1}, std::pair{-33.9, 151.2}, std::pair{0.0, 0.0},
                                   std::pair{89.999, 179.9}, std::pair{48.135, 10.068}}) {
        const double d = distance(lat, lon, lat, lon, "m");
        EXPECT_FALSE(std::isnan(d)) << lat << "," << lon;
        EXPECT_EQ(d, 0) << lat << "," << lon;
    }
}

TEST(Geodesy, DistanceIsSymmetricAndAlongTheEquatorProportional) {
    EXPECT_DOUBLE_EQ(distance(10, 20, -5, 40, "K"), distance(-5, 40, 10, 20, "K"));
    EXPECT_NEAR(distance(0, 0, 0, 10, "m"), 10 * 69.09, 0.05);
    // Antipodes: half the circumference, through the -1 end of the arc cosine.
    EXPECT_NEAR(distance(0, 0, 0, 180, "m"), 180 * 60 * 1.1515, 1e-6);
}

TEST(Geodesy, ArcCosineAtAndBeyondItsEnds) {
    EXPECT_EQ(Acos(1), 0);
    EXPECT_EQ(Acos(-1), 3.14159265);
    EXPECT_EQ(Acos(1 + 1e-15), 0);
    EXPECT_EQ(Acos(-1 - 1e-15), 3.14159265);
    EXPECT_NEAR(Acos(0), 3.14159265 / 2, 1e-12);
    EXPECT_NEAR(rad2deg(Acos(0.5)), 60, 1e-6);
    EXPECT_NEAR(rad2deg(deg2rad(123.4)), 123.4, 1e-12);
}

} // namespace
} // namespace osmimport
