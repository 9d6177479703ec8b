#include "basic/colour.h"
#include "basic/fault.h"
#include "import/polygon.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace osmimport {
namespace {

constexpr Single kPiS = static_cast<Single>(kPolygonPi);
constexpr Single kHalfPiS = static_cast<Single>(kPolygonPi / 2);

const std::vector<PolyPoint> kSquare = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const std::vector<PolyPoint> kSquareBack = {{0, 10}, {10, 10}, {10, 0}, {0, 0}};

TEST(ATan2, GivesTheQuadrantAngleAndTreatsATinyAdjacentAsVertical) {
    struct Case {
        Single opp, adj, expected;
    };
    const Case cases[] = {
        {1, 0, kHalfPiS},
        {-1, 0, -kHalfPiS},
        {0, -1, kPiS},
        {0, 0, kHalfPiS},
        {1, 0.00005f, kHalfPiS},
        {-1, -0.00005f, -kHalfPiS}, // vertical before the left-half fold
        {1, 1, static_cast<Single>(kPolygonPi / 4)},
        {1, -1, static_cast<Single>(kPolygonPi - 0.7853981633974483)},
        {-1, -1, static_cast<Single>(-(kPolygonPi - 0.7853981633974483))},
        {0, 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(ATan2(c.opp, c.adj), c.expected) << c.opp << ", " << c.adj;
    }
    // pi is the nine-digit constant, rounded to a Single
    EXPECT_EQ(ATan2(0, -1), 3.14159265f);
}

TEST(GetAngle, IsSignedFromTheFirstArmToTheSecond) {
    EXPECT_FLOAT_EQ(crossProduct(1, 0, 0, 0, 0, 1), 1);
    EXPECT_FLOAT_EQ(DotProd(1, 0, 0, 0, 0, 1), 0);
    EXPECT_FLOAT_EQ(DotProd(3, 4, 1, 1, 5, 1), 8); // (4)(2) + (0)(3)
    EXPECT_FLOAT_EQ(crossProduct(3, 4, 1, 1, 5, 1), -12);   // (0)(2) - (4)(3)
    EXPECT_FLOAT_EQ(GetAngle(1, 0, 0, 0, 0, 1), kHalfPiS);
    EXPECT_FLOAT_EQ(GetAngle(0, 1, 0, 0, 1, 0), -kHalfPiS);
    EXPECT_FLOAT_EQ(GetAngle(1, 0, 0, 0, -1, 0), kPiS);
}

TEST(PolygonArea, OfTheSquareIs100InEitherDirectionWithOppositeSigns) {
    EXPECT_FLOAT_EQ(PolygonArea(kSquare), 100);
    EXPECT_FLOAT_EQ(PolygonArea(kSquareBack), 100);
    EXPECT_FLOAT_EQ(SignedArea(kSquare), -SignedArea(kSquareBack));
    EXPECT_EQ(SignedArea({}), 0);
    EXPECT_EQ(SignedArea(std::vector<PolyPoint>{{5, 7}}), 0);
}

TEST(FindCentroid, GivesTheSameCentreForEitherDirection) {
    for (const auto* corners : {&kSquare, &kSquareBack}) {
        Single cx = -1, cy = -1;
        ASSERT_TRUE(FindCentroid(*corners, cx, cy));
        EXPECT_FLOAT_EQ(cx, 5);
        EXPECT_FLOAT_EQ(cy, 5);
    }
    // An L of two unit-weight squares: its centre is pulled towards the heavier arm.
    const std::vector<PolyPoint> ell = {{0, 0}, {20, 0}, {20, 10}, {10, 10}, {10, 20}, {0, 20}};
    Single cx = 0, cy = 0;
    ASSERT_TRUE(FindCentroid(ell, cx, cy));
    EXPECT_NEAR(cx, 25.0 / 3, 1e-4);
    EXPECT_NEAR(cy, 25.0 / 3, 1e-4);
}

TEST(FindCentroid, KeepsLargeAreasWhoseProductsLeave32Bits) {
    // Each term X(i) * Y(i+1) * (X(i) + X(i+1)) here is far beyond 2^31.
    const std::vector<PolyPoint> big = {{3000, 3000}, {8000, 3000}, {8000, 8000}, {3000, 8000}};
    Single cx = 0, cy = 0;
    ASSERT_TRUE(FindCentroid(big, cx, cy));
    EXPECT_NEAR(cx, 5500, 0.01);
    EXPECT_NEAR(cy, 5500, 0.01);
    EXPECT_FLOAT_EQ(PolygonArea(big), 25000000);
    // Coordinates near the Long range do not overflow the sums either.
    const std::vector<PolyPoint> huge = {{2000000000, 0}, {2100000000, 0}, {2100000000, 100000000}};
    EXPECT_TRUE(FindCentroid(huge, cx, cy));
    EXPECT_GT(cx, 2000000000.0f);
}

TEST(FindCentroid, HasNoCentreForAnAreaOfZero) {
    const std::vector<std::vector<PolyPoint>> flats = {
        {},
        {{3000, 3000}},
        {{3000, 3000}, {3050, 3050}},
        {{3000, 3000}, {3010, 3000}, {3020, 3000}},
    };
    for (const auto& flat : flats) {
        Single cx = 7, cy = 7;
        EXPECT_FALSE(FindCentroid(flat, cx, cy)) << flat.size();
        EXPECT_EQ(cx, 0);
        EXPECT_EQ(cy, 0);
    }
}

TEST(InsidePolygon, SumsTheEdgeAnglesAroundThePoint) {
    EXPECT_TRUE(InsidePolygon(5, 5, kSquare));
    EXPECT_TRUE(InsidePolygon(5, 5, kSquareBack));
    EXPECT_FALSE(InsidePolygon(20, 5, kSquare));
    EXPECT_FALSE(InsidePolygon(-0.5f, 5, kSquare));
    EXPECT_FALSE(InsidePolygon(5, 5, {}));
    // The notch of a C lies outside it, its arms inside.
    const std::vector<PolyPoint> c = {{0, 0},   {30, 0},  {30, 10}, {10, 10},
                                      {10, 20}, {30, 20}, {30, 30}, {0, 30}};
    EXPECT_FALSE(InsidePolygon(20, 15, c));
    EXPECT_TRUE(InsidePolygon(5, 15, c));
    EXPECT_TRUE(InsidePolygon(20, 5, c));
}

// Even-odd ray test in double, and the distance to the nearest edge: the reference the summed
// angles are checked against, away from the edges where rounding may decide either way.
bool evenOdd(double x, double y, const std::vector<PolyPoint>& corners) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const double xi = corners[i].X, yi = corners[i].Y, xj = corners[j].X, yj = corners[j].Y;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}

double edgeDistance(double x, double y, const std::vector<PolyPoint>& corners) {
    double nearest = 1e300;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const double ax = corners[j].X, ay = corners[j].Y, dx = corners[i].X - ax, dy = corners[i].Y - ay;
        const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        nearest = std::min(nearest, std::hypot(x - ax - t * dx, y - ay - t * dy));
    }
    return nearest;
}

// Many-cornered shapes: a star of 240 corners and a C made of two arcs of 120 corners each.
TEST(InsidePolygon, AgreesWithTheEvenOddTestOnManyCorneredShapes) {
    std::vector<PolyPoint> star;
    for (int k = 0; k < 240; ++k) {
        const double r = k % 2 ? 1500 : 3000, a = k * 2 * kPolygonPi / 240;
        star.push_back(
            {static_cast<Long>(4000 + r * std::cos(a)), static_cast<Long>(4000 + r * std::sin(a))});
    }
    std::vector<PolyPoint> c;
    for (int k = 0; k <= 120; ++k) { // the outer arc, leaving the notch open to the right
        const double a = 0.6 + k * (2 * kPolygonPi - 1.2) / 120;
        c.push_back(
            {static_cast<Long>(4000 + 3000 * std::cos(a)), static_cast<Long>(4000 + 3000 * std::sin(a))});
    }
    for (int k = 120; k >= 0; --k) {
        const double a = 0.6 + k * (2 * kPolygonPi - 1.2) / 120;
        c.push_back(
            {static_cast<Long>(4000 + 1800 * std::cos(a)), static_cast<Long>(4000 + 1800 * std::sin(a))});
    }
    for (const auto* shape : {&star, &c}) {
        int checked = 0;
        int wrong = 0;
        for (int y = 900; y <= 7100; y += 37) {
            for (int x = 900; x <= 7100; x += 37) {
                if (edgeDistance(x, y, *shape) < 1) continue;
                ++checked;
                if (InsidePolygon(static_cast<Single>(x), static_cast<Single>(y), *shape) !=
                    evenOdd(x, y, *shape))
                    ++wrong;
            }
        }
        EXPECT_GT(checked, 20000);
        EXPECT_EQ(wrong, 0) << shape->size() << " corners";
    }
}

TEST(Fnlength, IsTheEuclideanLength) {
    EXPECT_DOUBLE_EQ(fnlength(0, 0, 3, 4), 5);
    EXPECT_DOUBLE_EQ(fnlength(3, 4, 0, 0), 5);
    EXPECT_DOUBLE_EQ(fnlength(-1, -1, -1, -1), 0);
}

TEST(CToRGB, SplitsAColourIntoItsParts) {
    struct Case {
        Long colour;
        Integer r, g, b;
    };
    const Case cases[] = {
        {basic::rgb(10, 20, 30), 10, 20, 30},
        {0, 0, 0, 0},
        {16777215, 255, 255, 255},
    };
    for (const Case& c : cases) {
        const ColourParts p = CToRGB(c.colour);
        EXPECT_EQ(p.red, c.r) << c.colour;
        EXPECT_EQ(p.green, c.g) << c.colour;
        EXPECT_EQ(p.blue, c.b) << c.colour;
    }
    // Halves round to even first.
    EXPECT_EQ(CToRGB(65534.5).red, 254);
    EXPECT_EQ(CToRGB(65535.5).blue, 1);
    EXPECT_THROW(CToRGB(1e12), basic::RuntimeFault);
}

TEST(BridgeInnerColour, Is30DarkerUnlessWhiteOrAPartIsAt30OrBelow) {
    struct Case {
        Long line, inner;
    };
    const Case cases[] = {
        {basic::rgb(254, 205, 110), basic::rgb(224, 175, 80)},
        {basic::rgb(35, 40, 200), basic::rgb(5, 10, 170)},
        {basic::rgb(31, 31, 31), basic::rgb(1, 1, 1)},
        {basic::rgb(255, 255, 255), basic::rgb(255, 255, 255)},
        {basic::rgb(30, 200, 200), basic::rgb(30, 200, 200)},
        {basic::rgb(200, 200, 30), basic::rgb(200, 200, 30)},
        {0, 0},
        {1, 1}, // the untagged mark
    };
    for (const Case& c : cases)
        EXPECT_EQ(bridgeInnerColour(c.line), c.inner) << c.line;
}

} // namespace
} // namespace osmimport
