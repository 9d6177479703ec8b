#include "canvas_test_support.h"
#include "platform/canvas.h"
#include "platform/floodfill.h"
#include "platform/gdibrush.h"
#include "platform/units.h"

#include <QElapsedTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace platform {
namespace {

using canvastest::countColour;
using canvastest::pixelAt;

constexpr basic::Long kMapBack = 0x00E8EEF1;
constexpr basic::Long kOutline = 0x00808080;
constexpr basic::Long kFill = 0x00A0D0A0;

struct Map : canvastest::PixelCanvas {
    Map(int w, int h) : PixelCanvas(w, h, kMapBack) { setForeColor(kOutline); }
    // A closed outline of one-pixel segments, as the area pass draws it.
    void outline(const std::vector<QPoint>& ring) {
        for (size_t i = 0; i < ring.size(); ++i) {
            const QPoint a = ring[i];
            const QPoint b = ring[(i + 1) % ring.size()];
            line(a.x(), a.y(), b.x(), b.y());
        }
    }
    bool cornersUntouched() const {
        const int r = pixelWidth() - 1;
        const int b = pixelHeight() - 1;
        return point(0, 0) == kMapBack && point(r, 0) == kMapBack && point(0, b) == kMapBack &&
               point(r, b) == kMapBack;
    }
};

TEST(FloodFill, ClosedOutlinesNeverLeak) {
    const std::vector<std::vector<QPoint>> shapes = {
        {{10, 10}, {50, 10}, {50, 40}, {10, 40}},                 // rectangle
        {{30, 5}, {55, 30}, {30, 55}, {5, 30}},                   // diamond: diagonal steps only
        {{8, 50}, {31, 6}, {57, 49}},                             // triangle of shallow and steep staircases
        {{5, 5}, {55, 8}, {20, 20}, {52, 52}, {7, 45}, {18, 24}}, // concave
        {{30, 2}, {33, 28}, {58, 31}, {33, 34}, {30, 58}, {27, 34}, {2, 31}, {27, 28}}, // thin spikes
    };
    for (size_t i = 0; i < shapes.size(); ++i) {
        Map map(60, 60);
        map.outline(shapes[i]);
        int sumX = 0, sumY = 0;
        for (const QPoint& p : shapes[i]) {
            sumX += p.x();
            sumY += p.y();
        }
        const int seedX = i == 3 ? 15 : sumX / static_cast<int>(shapes[i].size());
        const int seedY = i == 3 ? 10 : sumY / static_cast<int>(shapes[i].size());
        ASSERT_EQ(map.point(seedX, seedY), kMapBack) << "shape " << i;
        EXPECT_TRUE(extFloodFill(map, seedX, seedY, kOutline, Brush::solid(kFill))) << "shape " << i;
        EXPECT_EQ(map.point(seedX, seedY), kFill) << "shape " << i;
        EXPECT_TRUE(map.cornersUntouched()) << "shape " << i;
    }
}

TEST(FloodFill, RandomStarShapedOutlinesNeverLeak) {
    std::mt19937 random(1971);
    for (int round = 0; round < 200; ++round) {
        const int corners = 3 + static_cast<int>(random() % 18);
        std::vector<QPoint> ring;
        for (int k = 0; k < corners; ++k) {
            const double angle = 2 * 3.14159265 * (k + (random() % 100) / 150.0) / corners;
            const double radius = 6 + random() % 40;
            ring.emplace_back(static_cast<int>(std::lround(50 + radius * std::cos(angle))),
                              static_cast<int>(std::lround(50 + radius * std::sin(angle))));
        }
        Map map(100, 100);
        map.outline(ring);
        if (map.point(50, 50) == kOutline) continue; // the seed lies on the outline itself
        EXPECT_TRUE(extFloodFill(map, 50, 50, kOutline, Brush::solid(kFill)));
        ASSERT_TRUE(map.cornersUntouched()) << "round " << round;
    }
}

TEST(FloodFill, StopsOnlyAtTheExactBorderColour) {
    // An outline one blue step away from the border colour does not hold the fill.
    Map map(30, 30);
    map.setForeColor(kOutline + 0x010000);
    map.outline({{5, 5}, {25, 5}, {25, 25}, {5, 25}});
    EXPECT_TRUE(extFloodFill(map, 15, 15, kOutline, Brush::solid(kFill)));
    EXPECT_EQ(countColour(map.image(), kFill), 900);

    // Filling in the border colour paints the inside in it and ends.
    Map same(30, 30);
    same.outline({{5, 5}, {25, 5}, {25, 25}, {5, 25}});
    EXPECT_TRUE(extFloodFill(same, 15, 15, kOutline, Brush::solid(kOutline)));
    EXPECT_EQ(countColour(same.image(), kOutline), 21 * 21);
    EXPECT_TRUE(same.cornersUntouched());
}

TEST(FloodFill, SeedOnTheBorderOrOutsideChangesNothing) {
    Map map(30, 30);
    map.outline({{5, 5}, {25, 5}, {25, 25}, {5, 25}});
    const QImage before = map.image();
    EXPECT_FALSE(extFloodFill(map, 5, 5, kOutline, Brush::solid(kFill)));
    EXPECT_FALSE(extFloodFill(map, -1, 10, kOutline, Brush::solid(kFill)));
    EXPECT_FALSE(extFloodFill(map, 10, 30, kOutline, Brush::solid(kFill)));
    EXPECT_EQ(map.image(), before);

    Canvas empty;
    EXPECT_FALSE(extFloodFill(empty, 0, 0, kOutline, Brush::solid(kFill)));
}

TEST(FloodFill, FillingWithTheInsidesOwnColourEnds) {
    Map map(40, 40);
    map.outline({{5, 5}, {35, 5}, {35, 35}, {5, 35}});
    const QImage before = map.image();
    EXPECT_TRUE(extFloodFill(map, 20, 20, kOutline, Brush::solid(kMapBack)));
    EXPECT_EQ(map.image(), before);
}

TEST(FloodFill, HatchedFillStaysInsideAndFollowsTheImageOrigin) {
    Map map(40, 40);
    map.outline({{4, 4}, {36, 4}, {36, 36}, {4, 36}});
    EXPECT_TRUE(extFloodFill(map, 20, 20, kOutline, Brush::hatched(fillstyle::Cross, kFill)));
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x > 4 && x < 36 && y > 4 && y < 36;
            const bool hatchPixel = (y & 7) == 3 || (x & 7) == 4;
            if (inside && hatchPixel) {
                EXPECT_EQ(pixelAt(map.image(), x, y), kFill) << x << "," << y;
            } else {
                EXPECT_NE(pixelAt(map.image(), x, y), kFill) << x << "," << y;
            }
        }
    }
}

TEST(FloodFill, HollowBrushPaintsNothing) {
    Map map(20, 20);
    const QImage before = map.image();
    EXPECT_TRUE(extFloodFill(map, 10, 10, kOutline, Brush::hollow()));
    EXPECT_EQ(map.image(), before);
}

TEST(FloodFill, WholeMapPictureOfManyRunsIsFilledWhole) {
    // Vertical walls with gaps at alternating ends: the fill snakes through every column, so the
    // span search meets many runs on every row.
    Map map(kMapPicturePixels, kMapPicturePixels);
    for (int x = 4; x < kMapPicturePixels; x += 4) {
        const bool gapAtTop = (x / 4) % 2 == 0;
        map.line(x, gapAtTop ? 3 : 0, x, gapAtTop ? kMapPicturePixels : kMapPicturePixels - 3);
    }
    const int walls = countColour(map.image(), kOutline);
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(extFloodFill(map, 1, 1, kOutline, Brush::solid(kFill)));
    const qint64 elapsed = timer.elapsed();
    EXPECT_EQ(countColour(map.image(), kFill), kMapPicturePixels * kMapPicturePixels - walls);
    std::printf("[ flood fill of %d px: %lld ms ]\n", kMapPicturePixels * kMapPicturePixels - walls,
                static_cast<long long>(elapsed));
}

} // namespace
} // namespace platform
