// The area pass on the window's map picture, probed pixel by pixel: floods that stay inside
// their outlines, the leak and its single restart, pattern tiles, and what is left undrawn.

#include "drawing_fixture.h"
#include "platform/artwork.h"

#include <cmath>
#include <numbers>
#include <random>

namespace render::testing {
namespace {

const Long kOutline = basic::rgb(10, 20, 30);
const double kFill = basic::rgb(200, 100, 50);

class AreaPassTest : public DrawingTest {
protected:
    // A closed square of side `side` with its top-left corner at (x, y), seeded at its centre.
    Long square(double x, double y, double side, double fill) {
        const Long a = node(x, y);
        const Long b = node(x + side, y);
        const Long c = node(x + side, y + side);
        const Long d = node(x, y + side);
        const auto half = static_cast<float>(side / 2);
        return area({a, b, c, d, a}, static_cast<float>(x) + half, static_cast<float>(y) + half, fill);
    }

    Long area(std::vector<Long> nodes, float seedX, float seedY, double fill, Long outline = kOutline) {
        WayRecord w;
        w.nodes = std::move(nodes);
        w.drawColour = outline;
        w.labelX = seedX;
        w.labelY = seedY;
        w.fill = fill;
        const Long i = way(w);
        data.areaList += std::to_string(i) + "#";
        return i;
    }

    // Pixels of the colour outside the device rectangle [x0, x1) x [y0, y1).
    int countOutside(Long colour, int x0, int y0, int x1, int y1) {
        const QImage& image = p1().image();
        const QRgb ink = platform::toQRgb(colour) & 0xFFFFFF;
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((row[x] & 0xFFFFFF) == ink && (x < x0 || x >= x1 || y < y0 || y >= y1)) ++count;
        }
        return count;
    }
};

TEST_F(AreaPassTest, AFloodStaysInsideEveryClosedOutline) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> centreX(2400, 5800);
    std::uniform_real_distribution<double> centreY(1900, 4600);
    std::uniform_real_distribution<double> radius(40, 380);
    std::uniform_int_distribution<int> corners(3, 14);
    for (int polygon = 0; polygon < 50; ++polygon) {
        SCOPED_TRACE(polygon);
        clearMap();
        // A star-shaped outline round its centre, so the centre is inside.
        const double cx = std::round(centreX(random));
        const double cy = std::round(centreY(random));
        const int n = corners(random);
        std::vector<Long> ring;
        double left = cx, top = cy, right = cx, bottom = cy;
        for (int k = 0; k < n; ++k) {
            const double angle = 2 * std::numbers::pi * k / n;
            const double r = radius(random);
            const double x = cx + r * std::cos(angle);
            const double y = cy + r * std::sin(angle);
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            ring.push_back(node(x, y));
        }
        ring.push_back(ring.front());
        area(ring, static_cast<float>(cx), static_cast<float>(cy), kFill);
        draw();
        EXPECT_EQ(map().data.leakedAreas, "");
        EXPECT_EQ(at(cx, cy), basic::clng(kFill));
        EXPECT_EQ(countOutside(basic::clng(kFill), static_cast<int>(left / 3) - 1,
                               static_cast<int>(top / 3) - 1, static_cast<int>(right / 3) + 2,
                               static_cast<int>(bottom / 3) + 2),
                  0);
        EXPECT_TRUE(dialogs().shown().empty());
    }
}

TEST_F(AreaPassTest, ALeakRedrawsOnceWithThickOutlinesAndIsRemembered) {
    // Three sides of a square: the flood runs out through the open fourth side.
    const Long a = node(3000, 3000), b = node(3600, 3000), c = node(3600, 3600), d = node(3000, 3600);
    area({a, b, c, d}, 3300, 3300, kFill);
    square(4500, 3000, 600, basic::rgb(90, 160, 90));
    draw();
    EXPECT_EQ(map().data.leakedAreas, "#1#");
    // Drawn again without floods: outlines 3 pixels wide in their fill colours.
    EXPECT_EQ(at(3300, 3300), background());
    EXPECT_EQ(at(4800, 3300), background());
    EXPECT_EQ(at(10, 10), background());
    const int row = 1000; // device row of y 3000
    for (int y : {row - 1, row, row + 1})
        EXPECT_EQ(pixel(1100, y), basic::clng(kFill)) << y;
    EXPECT_EQ(pixel(1100, row + 2), background());
    EXPECT_EQ(pixel(1100, row - 2), background());

    // The next drawing floods every other area and only outlines the one that leaked.
    draw();
    EXPECT_EQ(map().data.leakedAreas, "#1#");
    EXPECT_EQ(at(4800, 3300), basic::rgb(90, 160, 90));
    EXPECT_EQ(at(3300, 3300), background());
    EXPECT_EQ(pixel(1100, row), kOutline);
    EXPECT_EQ(pixel(1100, row + 1), background());
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(AreaPassTest, OnlyAFloodThatRanCanLeak) {
    // A flood that stays inside, then a solid pattern polygon over both probe points: the
    // probes then agree, but no flood ran for that area, so it is no leak.
    map().global.settings.patternFill = 0;
    square(3000, 3000, 600, kFill);
    const Long a = node(0, 0), b = node(8010, 0), c = node(8010, 1400), d = node(0, 1400);
    area({a, b, c, d, a}, 4000, 1500, 3);
    // Areas without a fill colour are outlined, never flooded.
    square(4500, 3000, 600, 0);
    square(4500, 4000, 600, -5);
    draw();
    EXPECT_EQ(map().data.leakedAreas, "");
    EXPECT_EQ(at(3300, 3300), basic::clng(kFill));
    EXPECT_EQ(at(10, 10), at(8000, 10));
    EXPECT_NE(at(10, 10), background());
    EXPECT_EQ(at(4800, 3300), background());
    EXPECT_EQ(at(4500, 3300), kOutline);
    EXPECT_EQ(at(4800, 4300), background());
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(AreaPassTest, PatternTilesAreAnchoredAtThePictureOrigin) {
    square(2100, 2100, 600, 5);
    draw();
    const QImage tile = platform::picture("tiles/5");
    ASSERT_FALSE(tile.isNull());
    for (int y = 705; y < 895; y += 17)
        for (int x = 705; x < 895; x += 13)
            ASSERT_EQ(p1().image().pixel(x, y) & 0xFFFFFF,
                      tile.pixel(x % tile.width(), y % tile.height()) & 0xFFFFFF)
                << x << "," << y;
}

TEST_F(AreaPassTest, WithoutPatternFillAPatternAreaTakesItsOutlineColourLightened) {
    map().global.settings.patternFill = 0;
    const Long a = node(2100, 2100), b = node(2700, 2100), c = node(2700, 2700), d = node(2100, 2700);
    area({a, b, c, d, a}, 2400, 2400, 5, basic::rgb(0xE0, 0x10, 0x10));
    draw();
    // &H303030 added to the colour as a number: red &HE0 carries into green.
    EXPECT_EQ(at(2400, 2400), basic::rgb(0x10, 0x41, 0x40));
    EXPECT_EQ(at(2100, 2400), basic::rgb(0xE0, 0x10, 0x10)) << "the outline";
}

TEST_F(AreaPassTest, WhatTheAreaPassLeavesUndrawn) {
    struct Case {
        const char* what;
        float seedX;
        float seedY;
        double fill;
        basic::Single zoom;
    };
    const Case cases[] = {
        {"a pattern area whose seed is outside the area window", 1499, 2400, 5, 1},
        {"a colour area seeded right of the flood window", 6201, 2400, kFill, 1},
        {"a colour area seeded below the flood window", 2400, 5001, kFill, 1},
        {"a colour area below zoom 0.6", 2400, 2400, kFill, 0.5f},
        {"a colour area at the flood window's corner", 6200, 5000, kFill, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearMap();
        map().global.viewZoom = c.zoom;
        const double s = 1 / c.zoom;
        const Long a = node(1800 * s, 1800 * s), b = node(7000 * s, 1800 * s), d = node(1800 * s, 5800 * s),
                   e = node(7000 * s, 5800 * s);
        area({a, b, e, d, a}, c.seedX * static_cast<float>(s), c.seedY * static_cast<float>(s), c.fill);
        draw();
        const bool flooded = c.seedX == 6200;
        EXPECT_EQ(at(3000, 3000), flooded ? basic::clng(kFill) : background());
        // The colour areas keep their outlines; the pattern area is not drawn at all.
        EXPECT_EQ(at(1800, 3000), c.fill < 30 ? background() : kOutline);
    }
}

TEST_F(AreaPassTest, APatternPolygonIsBuiltFromItsValidCornersOnly) {
    const Long a = node(2100, 2100), b = node(2700, 2100), c = node(2700, 2700);
    area({a, b, 99, c, a}, 2500, 2300, 5);
    area({a, 99, 98, b}, 2500, 2300, 7);
    draw();
    const QImage tile = platform::picture("tiles/5");
    EXPECT_EQ(p1().image().pixel(850, 720) & 0xFFFFFF,
              tile.pixel(850 % tile.width(), 720 % tile.height()) & 0xFFFFFF);
    EXPECT_EQ(at(2200, 2600), background()) << "outside the triangle";
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_EQ(map().data.leakedAreas, "");
}

// A corner far beyond any pixel (a node far outside the data's bounds) clips the polygon to the
// picture: the band it fills across the picture is drawn, silently.
TEST_F(AreaPassTest, APatternPolygonWithACornerBeyondAnyPixelIsClippedToThePicture) {
    const Long a = node(2100, 2100), b = node(2100, 2700), far = node(1e12, 2400);
    area({a, b, far, a}, 2500, 2400, 5);
    draw();
    const QImage tile = platform::picture("tiles/5");
    for (const int x : {760, 1500, 2600})
        EXPECT_EQ(p1().image().pixel(x, 800) & 0xFFFFFF, tile.pixel(x % tile.width(), 800 % tile.height()) & 0xFFFFFF)
            << x;
    EXPECT_EQ(at(5000, 2000), background()) << "above the band";
    EXPECT_TRUE(dialogs().shown().empty());
}

} // namespace
} // namespace render::testing
