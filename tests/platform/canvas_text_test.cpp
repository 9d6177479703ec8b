#include "canvas_test_support.h"
#include "platform/canvas.h"
#include "platform/units.h"

#include <gtest/gtest.h>
#include <set>

namespace platform {
namespace {

using canvastest::inkBounds;
using canvastest::pixelAt;

constexpr basic::Long kPaper = 0x00C0FFFF;
constexpr basic::Long kInk = 0x00913E19;

struct PixelPicture : canvastest::PixelCanvas {
    PixelPicture(int w, int h) : PixelCanvas(w, h, kPaper) {
        setForeColor(kInk);
        setFontName("Arial");
        setFontSize(9);
    }
};

TEST(CanvasText, PrintWithNewlineReturnsToTheLeftAndMovesDownOneLine) {
    PixelPicture p(200, 100);
    p.setCurrentX(40);
    p.setCurrentY(10);
    const double height = p.textHeight("Ag");
    p.print("Ag");
    EXPECT_DOUBLE_EQ(p.currentX(), 0);
    EXPECT_DOUBLE_EQ(p.currentY(), 10 + height);
    p.print("");
    EXPECT_DOUBLE_EQ(p.currentY(), 10 + 2 * height);

    // In a user scale, the line starts again at ScaleLeft.
    Canvas p1(200, 100);
    p1.setScaleLeft(500);
    p1.setScaleWidth(600);
    p1.setScaleHeight(300); // 3 units per pixel
    p1.setCurrentX(530);
    p1.print("x");
    EXPECT_DOUBLE_EQ(p1.currentX(), 500);
    EXPECT_DOUBLE_EQ(p1.currentY(), p1.textHeight("x"));
}

TEST(CanvasText, PrintWithoutNewlineMovesRightByTheTextWidth) {
    PixelPicture p(200, 60);
    p.setCurrentX(7);
    p.setCurrentY(5);
    const double width = p.textWidth("Tom ");
    EXPECT_GT(width, 10);
    p.print("Tom ", false);
    EXPECT_DOUBLE_EQ(p.currentX(), 7 + width);
    EXPECT_DOUBLE_EQ(p.currentY(), 5);
    p.print("12/03/2009", false);
    EXPECT_DOUBLE_EQ(p.currentX(), 7 + width + p.textWidth("12/03/2009"));
    EXPECT_DOUBLE_EQ(p.textWidth(""), 0);
}

TEST(CanvasText, TextIsDrawnInTheCellBelowAndRightOfThePosition) {
    PixelPicture p(200, 60);
    p.setCurrentX(30);
    p.setCurrentY(20);
    p.print("Hill");
    const QRect ink = inkBounds(p.image(), kPaper);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 30);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LT(ink.right(), 30 + p.textWidth("Hill"));
    EXPECT_LT(ink.bottom(), 20 + p.textHeight("Hill"));
}

TEST(CanvasText, TextHasNoBackgroundAndNoAntialiasing) {
    PixelPicture p(200, 60);
    p.setFontSize(14);
    p.setCurrentX(5);
    p.setCurrentY(5);
    p.print("Wood Lane");
    std::set<basic::Long> colours;
    for (int y = 0; y < p.pixelHeight(); ++y) {
        for (int x = 0; x < p.pixelWidth(); ++x)
            colours.insert(pixelAt(p.image(), x, y));
    }
    EXPECT_EQ(colours, (std::set<basic::Long>{kPaper, kInk}));
}

TEST(CanvasText, MeasuresInScaleUnitsWithThePictureFont) {
    PixelPicture p(100, 100);
    const double small = p.textHeight("x");
    EXPECT_GE(small, 12); // 9 points are 12 pixels of character height at 96 dpi
    p.setFontSize(12);
    EXPECT_GT(p.textHeight("x"), small);
    const double regular = p.textWidth("Market Street");
    p.setFontBold(true);
    EXPECT_GT(p.textWidth("Market Street"), regular);

    p.setScaleMode(scalemode::Twips);
    const double twips = p.textHeight("x");
    p.setScaleMode(scalemode::Pixels);
    EXPECT_DOUBLE_EQ(twips, p.textHeight("x") * kTwipsPerPixel);
}

TEST(CanvasText, TextOfTheSystemsBytesIsShownAsItsCharacters) {
    // "Straße" in UTF-8 and in Windows-1252 draws the same pixels.
    PixelPicture utf8(120, 30);
    utf8.print("Stra\xC3\x9F"
               "e");
    PixelPicture cp1252(120, 30);
    cp1252.print("Stra\xDF"
                 "e");
    EXPECT_EQ(utf8.image(), cp1252.image());
    EXPECT_DOUBLE_EQ(utf8.textWidth("Stra\xC3\x9F"
                                    "e"),
                     cp1252.textWidth("Stra\xDF"
                                      "e"));
}

} // namespace
} // namespace platform
