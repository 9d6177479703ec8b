// One flood filler kept over many fills on the same picture fills exactly what a fresh fill
// (extFloodFill) fills, however its mask was left by the fills before.

#include "platform/canvas.h"
#include "platform/canvas_flood.h"
#include "platform/floodfill.h"
#include "platform/gdibrush.h"

#include <gtest/gtest.h>
#include <random>

namespace platform {
namespace {

constexpr basic::Long kBorder = 0x000000;

TEST(FloodFiller, AKeptFillerFillsWhatAFreshFillFills) {
    std::mt19937 random(5);
    Canvas expected(97, 61);
    Canvas actual(97, 61);
    // A maze of border pixels, about a third of them, on two other colours.
    std::uniform_int_distribution<int> kind(0, 2);
    for (int y = 0; y < 61; ++y)
        for (int x = 0; x < 97; ++x) {
            const int k = kind(random);
            expected.image().setPixel(x, y, k == 0 ? 0xFF000000 : k == 1 ? 0xFFFFFFFF : 0xFF808080);
        }
    actual.image() = expected.image().copy();

    FloodFiller filler;
    std::uniform_int_distribution<int> xs(-2, 98);
    std::uniform_int_distribution<int> ys(-2, 62);
    std::uniform_int_distribution<int> styles(fillstyle::Solid, fillstyle::DiagonalCross);
    std::uniform_int_distribution<int> colours(0, 0xFFFFFF);
    for (int k = 0; k < 200; ++k) {
        const int x = xs(random);
        const int y = ys(random);
        const int style = styles(random);
        // Some fills use the border colour, or leave pixels as they are (transparent, hatched).
        const basic::Long colour = k % 7 == 0 ? kBorder : colours(random);
        const Brush brush = Brush::forFillStyle(style, colour);
        const bool filled = extFloodFill(expected, x, y, kBorder, brush);
        ASSERT_EQ(filler.fill(actual, x, y, kBorder, brush), filled) << k;
        ASSERT_EQ(actual.image(), expected.image()) << "fill " << k << " at " << x << "," << y;
    }
}

TEST(FloodFiller, OutsideOrOnTheBorderNothingIsFilled) {
    Canvas canvas(10, 10);
    canvas.image().setPixel(4, 4, 0xFF000000);
    FloodFiller filler;
    const Brush red = Brush::solid(0x0000FF);
    EXPECT_FALSE(filler.fill(canvas, 4, 4, kBorder, red));
    EXPECT_FALSE(filler.fill(canvas, -1, 4, kBorder, red));
    EXPECT_FALSE(filler.fill(canvas, 4, 10, kBorder, red));
    EXPECT_EQ(canvas.point(0, 0), 0xFFFFFF);
    // A new picture size is taken as it comes.
    canvas.resizePixels(200, 3);
    EXPECT_TRUE(filler.fill(canvas, 150, 1, kBorder, red));
    EXPECT_EQ(canvas.point(0, 0), 0x0000FF);
}

} // namespace
} // namespace platform
