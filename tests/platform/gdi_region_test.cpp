#include "canvas_test_support.h"
#include "platform/canvas.h"
#include "platform/gdibrush.h"
#include "platform/gdiregion.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace platform {
namespace {

using canvastest::countColour;
using canvastest::pixelAt;
using canvastest::rowsOf;

constexpr basic::Long kWhite = 0xFFFFFF;
constexpr basic::Long kRed = 0x0000FF;
constexpr basic::Long kBlue = 0xFF0000;

using Sheet = canvastest::PixelCanvas;

// A five-pointed star drawn in one stroke: its centre is crossed twice.
std::vector<QPoint> star() {
    std::vector<QPoint> points;
    for (int k = 0; k < 5; ++k) {
        const double a = (-90 + 144 * k) * 3.14159265 / 180;
        points.emplace_back(static_cast<int>(std::lround(50 + 40 * std::cos(a))),
                            static_cast<int>(std::lround(50 + 40 * std::sin(a))));
    }
    return points;
}

TEST(GdiRegion, FillsPixelsWhoseCentresLieInside) {
    Sheet s(6, 6);
    const QPoint square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    fillRegion(s, createPolygonRegion(square), Brush::solid(kRed));
    EXPECT_EQ(rowsOf(s.image(), s.image().rect(), kRed), "......\n"
                                                         ".####.\n"
                                                         ".####.\n"
                                                         ".####.\n"
                                                         ".####.\n"
                                                         "......\n");

    Sheet t(7, 4);
    const QPoint triangle[] = {{0, 0}, {6, 0}, {0, 3}};
    fillRegion(t, createPolygonRegion(triangle), Brush::solid(kRed));
    EXPECT_EQ(rowsOf(t.image(), t.image().rect(), kRed), "#####..\n"
                                                         "###....\n"
                                                         "#......\n"
                                                         ".......\n");
}

TEST(GdiRegion, PolygonsSharingAnEdgeNeitherOverlapNorLeaveAGap) {
    struct Pair {
        std::vector<QPoint> first;
        std::vector<QPoint> second;
    };
    // Each pair tiles the rectangle 0..17 × 0..11 along a shared edge.
    const Pair pairs[] = {
        {{{0, 0}, {17, 11}, {0, 11}}, {{0, 0}, {17, 0}, {17, 11}}},                 // diagonal
        {{{0, 0}, {9, 0}, {4, 11}, {0, 11}}, {{9, 0}, {17, 0}, {17, 11}, {4, 11}}}, // steep
        {{{0, 0}, {17, 0}, {0, 3}}, {{17, 0}, {17, 11}, {0, 11}, {0, 3}}},          // shallow
        {{{0, 0}, {17, 0}, {17, 5}, {0, 5}}, {{0, 5}, {17, 5}, {17, 11}, {0, 11}}}, // horizontal
        {{{0, 0}, {6, 0}, {11, 6}, {6, 11}, {0, 11}}, {{6, 0}, {17, 0}, {17, 11}, {6, 11}, {11, 6}}},
    };
    for (size_t i = 0; i < std::size(pairs); ++i) {
        Sheet a(17, 11);
        fillRegion(a, createPolygonRegion(pairs[i].first), Brush::solid(kRed));
        Sheet b(17, 11);
        fillRegion(b, createPolygonRegion(pairs[i].second), Brush::solid(kRed));
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 17; ++x) {
                const bool inA = pixelAt(a.image(), x, y) == kRed;
                const bool inB = pixelAt(b.image(), x, y) == kRed;
                EXPECT_NE(inA, inB) << "pair " << i << " at " << x << "," << y;
            }
        }
    }
}

TEST(GdiRegion, AlternateModeLeavesTheStarsCentreOpen) {
    const std::vector<QPoint> points = star();
    Sheet alternate(100, 100);
    fillRegion(alternate, createPolygonRegion(points, PolyFillMode::Alternate), Brush::solid(kRed));
    EXPECT_EQ(pixelAt(alternate.image(), 50, 50), kWhite); // the centre pentagon
    EXPECT_EQ(pixelAt(alternate.image(), 50, 20), kRed);   // the top point
    EXPECT_EQ(pixelAt(alternate.image(), 5, 5), kWhite);   // outside

    Sheet winding(100, 100);
    fillRegion(winding, createPolygonRegion(points, PolyFillMode::Winding), Brush::solid(kRed));
    EXPECT_EQ(pixelAt(winding.image(), 50, 50), kRed);
    EXPECT_EQ(pixelAt(winding.image(), 50, 20), kRed);
    EXPECT_EQ(pixelAt(winding.image(), 5, 5), kWhite);
    EXPECT_GT(countColour(winding.image(), kRed), countColour(alternate.image(), kRed));
}

TEST(GdiRegion, PatternBrushTilesFromTheImageOrigin) {
    QImage tile(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            tile.setPixel(x, y, qRgb(10 * x, 100 + y, 200));
    }
    Sheet s(11, 5);
    const QPoint left[] = {{0, 0}, {5, 0}, {5, 5}, {0, 5}};
    const QPoint right[] = {{5, 0}, {11, 0}, {11, 5}, {5, 5}};
    const Brush brush = Brush::pattern(tile);
    fillRegion(s, createPolygonRegion(left), brush);
    fillRegion(s, createPolygonRegion(right), brush);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 11; ++x)
            EXPECT_EQ(s.image().pixel(x, y), tile.pixel(x % 3, y % 2)) << x << "," << y;
    }
}

TEST(GdiRegion, HatchesAreInTheColourOnATransparentBackground) {
    struct Row {
        int fillStyle;
        const char* rows;
    };
    const Row rows[] = {
        {fillstyle::HorizontalLine,
         "........\n........\n........\n########\n........\n........\n........\n........\n"},
        {fillstyle::VerticalLine,
         "....#...\n....#...\n....#...\n....#...\n....#...\n....#...\n....#...\n....#...\n"},
        {fillstyle::UpwardDiagonal,
         ".......#\n......#.\n.....#..\n....#...\n...#....\n..#.....\n.#......\n#.......\n"},
        {fillstyle::DownwardDiagonal,
         "#.......\n.#......\n..#.....\n...#....\n....#...\n.....#..\n......#.\n.......#\n"},
        {fillstyle::Cross,
         "....#...\n....#...\n....#...\n########\n....#...\n....#...\n....#...\n....#...\n"},
        {fillstyle::DiagonalCross,
         "#......#\n.#....#.\n..#..#..\n...##...\n...##...\n..#..#..\n.#....#.\n#......#\n"},
    };
    const QPoint square[] = {{0, 0}, {16, 0}, {16, 16}, {0, 16}};
    for (const Row& row : rows) {
        Sheet s(16, 16);
        s.setBackColor(kRed);
        fillRegion(s, createPolygonRegion(square), Brush::hatched(row.fillStyle, kBlue));
        EXPECT_EQ(rowsOf(s.image(), QRect(8, 8, 8, 8), kBlue), row.rows) << row.fillStyle; // aligned to (0,0)
        EXPECT_EQ(countColour(s.image(), kBlue) + countColour(s.image(), kRed), 256) << row.fillStyle;
    }
}

TEST(GdiRegion, PolygonFillsWithTheFillStyleThenOutlinesWithThePen) {
    Sheet s(8, 8);
    s.setFillStyle(fillstyle::Solid);
    s.setFillColor(kRed);
    s.setForeColor(kBlue);
    const QPoint square[] = {{1, 1}, {6, 1}, {6, 6}, {1, 6}};
    polygon(s, square);
    EXPECT_EQ(rowsOf(s.image(), s.image().rect(), kBlue), "........\n"
                                                          ".######.\n"
                                                          ".#....#.\n"
                                                          ".#....#.\n"
                                                          ".#....#.\n"
                                                          ".#....#.\n"
                                                          ".######.\n"
                                                          "........\n");
    EXPECT_EQ(countColour(s.image(), kRed), 16);

    Sheet hollow(8, 8);
    hollow.setForeColor(kBlue); // FillStyle transparent by default
    polygon(hollow, square);
    EXPECT_EQ(countColour(hollow.image(), kBlue), 20);
    EXPECT_EQ(countColour(hollow.image(), kWhite), 44);

    Sheet wide(12, 12);
    wide.setDrawWidth(2);
    wide.setForeColor(kBlue);
    const QPoint big[] = {{3, 3}, {9, 3}, {9, 9}, {3, 9}};
    polygon(wide, big);
    EXPECT_EQ(rowsOf(wide.image(), QRect(0, 2, 12, 1), kBlue), "..########..\n");
    EXPECT_EQ(rowsOf(wide.image(), QRect(0, 5, 12, 1), kBlue), "..##....##..\n");
}

TEST(GdiRegion, DegenerateAndHugePolygons) {
    Sheet s(20, 20);
    const QPoint two[] = {{0, 0}, {10, 10}};
    EXPECT_TRUE(createPolygonRegion(two).isEmpty());
    const QPoint flat[] = {{0, 5}, {10, 5}, {19, 5}};
    EXPECT_TRUE(createPolygonRegion(flat).isEmpty());
    fillRegion(s, Region(), Brush::solid(kRed));
    const QPoint one[] = {{5, 5}};
    s.setForeColor(kRed);
    polygon(s, one);
    EXPECT_EQ(countColour(s.image(), kRed), 0);

    // Corners far beyond the image: only the image's rows and columns are visited.
    const QPoint huge[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
    fillRegion(s, createPolygonRegion(huge), Brush::solid(kBlue));
    EXPECT_EQ(countColour(s.image(), kBlue), 400);
}

} // namespace
} // namespace platform
