#include "canvas_test_support.h"
#include "platform/gdipen.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using canvastest::countColour;
using canvastest::pixelAt;
using canvastest::rowsOf;

constexpr basic::Long kWhite = 0xFFFFFF;
constexpr basic::Long kInk = 0x00FF00;

QImage blank(int w, int h) {
    return canvastest::filledImage(w, h, kWhite);
}

TEST(GdiPen, DashPatternsOfThinPens) {
    struct Row {
        int style;
        const char* pixels; // 48 steps of a line from x = 0
    };
    const Row rows[] = {
        {drawstyle::Solid, "################################################"},
        {drawstyle::Dash, "##################......##################......"},
        {drawstyle::Dot, "###...###...###...###...###...###...###...###..."},
        {drawstyle::DashDot, "#########......###......#########......###......"},
        {drawstyle::DashDotDot, "#########...###...###...#########...###...###..."},
        {drawstyle::InsideSolid, "################################################"},
        {drawstyle::Invisible, "................................................"},
    };
    for (const Row& row : rows) {
        QImage image = blank(48, 1);
        drawLine(image, Pen{kInk, 1, row.style}, QPoint(0, 0), QPoint(48, 0));
        EXPECT_EQ(rowsOf(image, image.rect(), kInk), std::string(row.pixels) + "\n") << row.style;
    }
}

TEST(GdiPen, WideStyledPensDrawSolidButInvisibleStaysInvisible) {
    for (int style : {drawstyle::Dash, drawstyle::Dot, drawstyle::DashDot, drawstyle::DashDotDot}) {
        QImage image = blank(40, 5);
        drawLine(image, Pen{kInk, 2, style}, QPoint(2, 2), QPoint(37, 2));
        EXPECT_EQ(rowsOf(image, QRect(0, 1, 40, 1), kInk), rowsOf(image, QRect(0, 2, 40, 1), kInk)) << style;
        EXPECT_EQ(countColour(image, kInk), 2 * 37) << style;
    }
    QImage image = blank(40, 5);
    drawLine(image, Pen{kInk, 3, drawstyle::Invisible}, QPoint(2, 2), QPoint(37, 2));
    EXPECT_EQ(countColour(image, kInk), 0);
}

TEST(GdiPen, ThinLinesInEveryDirection) {
    // Steep and reversed lines step once per row or column and leave out their end point.
    struct Row {
        QPoint from;
        QPoint to;
        const char* rows;
    };
    const Row rows[] = {
        {{1, 0}, {3, 5}, ".#...\n.#...\n..#..\n..#..\n...#.\n.....\n"},
        {{3, 5}, {1, 0}, ".....\n.#...\n..#..\n..#..\n...#.\n...#.\n"},
        {{4, 0}, {0, 4}, "....#\n...#.\n..#..\n.#...\n.....\n.....\n"},
        {{0, 2}, {0, 2}, ".....\n.....\n.....\n.....\n.....\n.....\n"},
    };
    for (const Row& row : rows) {
        QImage image = blank(5, 6);
        drawLine(image, Pen{kInk, 1, drawstyle::Solid}, row.from, row.to);
        EXPECT_EQ(rowsOf(image, image.rect(), kInk), row.rows) << row.from.x() << "," << row.from.y();
    }
}

TEST(GdiPen, AClosedOutlineOfSegmentsHasNoGap) {
    const QPoint ring[] = {{2, 1}, {17, 4}, {12, 13}, {1, 9}};
    QImage image = blank(20, 15);
    for (int i = 0; i < 4; ++i)
        drawLine(image, Pen{kInk, 1, drawstyle::Solid}, ring[i], ring[(i + 1) % 4]);
    for (const QPoint& corner : ring)
        EXPECT_EQ(pixelAt(image, corner.x(), corner.y()), kInk);
    // Every inked pixel has two inked neighbours among its eight: the outline is one closed path.
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 20; ++x) {
            if (pixelAt(image, x, y) != kInk) continue;
            int neighbours = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint n(x + dx, y + dy);
                    if ((dx || dy) && image.rect().contains(n) && pixelAt(image, n.x(), n.y()) == kInk)
                        ++neighbours;
                }
            }
            EXPECT_GE(neighbours, 2) << x << "," << y;
        }
    }
}

TEST(GdiPen, LinesReachingFarBeyondTheImageAreClipped) {
    QImage image = blank(50, 50);
    drawLine(image, Pen{kInk, 1, drawstyle::Solid}, QPoint(-2000000000, 7), QPoint(2000000000, 7));
    EXPECT_EQ(rowsOf(image, QRect(0, 7, 50, 1), kInk), std::string(50, '#') + "\n");
    drawLine(image, Pen{kInk, 1, drawstyle::Solid}, QPoint(-2000000000, -2000000000),
             QPoint(2000000000, 2000000000));
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(pixelAt(image, i, i), kInk) << i;
    drawLine(image, Pen{kInk, 5, drawstyle::Solid}, QPoint(25, -2000000000), QPoint(25, 2000000000));
    EXPECT_EQ(rowsOf(image, QRect(20, 30, 10, 1), kInk), "...#####..\n");
    EXPECT_EQ(countColour(image, kInk), 50 + 50 + 5 * 50 - 5 - 5 - 1);
}

TEST(GdiPen, DotsOfEachWidth) {
    struct Row {
        int width;
        int pixels;
    };
    const Row rows[] = {{1, 1}, {2, 4}, {3, 9}, {4, 12}, {5, 21}};
    for (const Row& row : rows) {
        QImage image = blank(11, 11);
        drawDot(image, kInk, row.width, QPoint(5, 5));
        EXPECT_EQ(countColour(image, kInk), row.pixels) << row.width;
        EXPECT_EQ(pixelAt(image, 5, 5), kInk) << row.width;
    }
    QImage image = blank(3, 3);
    drawDot(image, kInk, 1, QPoint(3, 0)); // outside: nothing
    EXPECT_EQ(countColour(image, kInk), 0);
}

} // namespace
} // namespace platform
