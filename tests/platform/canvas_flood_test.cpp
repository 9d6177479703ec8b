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

// 200 fills at random seeds on a maze of border pixels, one in `borderOneIn`, on two other
// colours; every fill must leave the same picture as extFloodFill.
void expectKeptFillsMatch(int width, int height, int borderOneIn, unsigned seed) {
    std::mt19937 random(seed);
    Canvas expected(width, height);
    Canvas actual(width, height);
    std::uniform_int_distribution<int> kind(0, borderOneIn - 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int k = kind(random);
            expected.image().setPixel(x, y, k == 0 ? 0xFF000000 : k % 2 ? 0xFFFFFFFF : 0xFF808080);
        }
    actual.image() = expected.image().copy();

    FloodFiller filler;
    std::uniform_int_distribution<int> xs(-2, width + 1);
    std::uniform_int_distribution<int> ys(-2, height + 1);
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

TEST(FloodFiller, AKeptFillerFillsWhatAFreshFillFills) {
    // Short runs in a dense maze; long runs across several 64-pixel words in a sparse one, whose
    // width is no multiple of 64.
    expectKeptFillsMatch(97, 61, 3, 5);
    expectKeptFillsMatch(301, 40, 60, 7);
}

TEST(FloodFiller, ARunEndsAtItsBorderPixelsWhereverTheyLie) {
    // One row with border pixels at `left` and `right` (-1 and the width for none), filled from
    // either end of the gap: exactly the gap is filled, at every place against the 64-pixel words.
    constexpr int kWidth = 150;
    constexpr QRgb kWhite = 0xFFFFFFFF;
    constexpr QRgb kRed = 0xFFFF0000;
    constexpr QRgb kBlack = 0xFF000000;
    Canvas canvas(kWidth, 1);
    FloodFiller filler;
    for (int left = -1; left < kWidth; ++left)
        for (int right = left + 2; right <= kWidth; ++right)
            for (const int seed : {left + 1, right - 1}) {
                canvas.image().fill(kWhite);
                if (left >= 0) canvas.image().setPixel(left, 0, kBlack);
                if (right < kWidth) canvas.image().setPixel(right, 0, kBlack);
                ASSERT_TRUE(filler.fill(canvas, seed, 0, kBorder, Brush::solid(0x0000FF)));
                const QRgb* row = reinterpret_cast<const QRgb*>(canvas.image().constScanLine(0));
                for (int x = 0; x < kWidth; ++x) {
                    const QRgb expected = x == left || x == right ? kBlack : x > left && x < right ? kRed : kWhite;
                    ASSERT_EQ(row[x], expected) << left << ".." << right << " from " << seed << " at " << x;
                }
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
