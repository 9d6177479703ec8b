#include "canvas_test_support.h"
#include "platform/canvas.h"
#include "platform/gdifont.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace platform {
namespace {

using canvastest::inkBounds;

constexpr basic::Long kPaper = 0xFFFFFF;

LogFont streetFont(int escapementTenths) {
    return LogFont{20, escapementTenths, 700, false, "Arial"};
}

// Prints with a selected font from (100, 100) of a white 200×200 picture; the ink's bounds.
QRect inkOfRotatedText(int escapementTenths) {
    Canvas p(200, 200);
    p.setScaleMode(scalemode::Pixels);
    p.setBackColor(kPaper);
    p.setForeColor(0x00525252);
    p.selectFont(streetFont(escapementTenths));
    p.setCurrentX(100);
    p.setCurrentY(100);
    p.print("Main Street");
    return inkBounds(p.image(), kPaper);
}

TEST(GdiFont, EscapementTurnsTextCounterClockwiseAboutTheCellTopLeft) {
    const QRect level = inkOfRotatedText(0);
    EXPECT_GE(level.left(), 100);
    EXPECT_GE(level.top(), 100);
    EXPECT_GT(level.width(), 3 * level.height());

    // 90 degrees: reads upwards; the ink lies above the start and to its right.
    const QRect up = inkOfRotatedText(900);
    EXPECT_GE(up.left(), 100);
    EXPECT_LE(up.bottom(), 100);
    EXPECT_GT(up.height(), 3 * up.width());
    EXPECT_NEAR(up.height(), level.width(), 2);

    // 180 degrees: upside down, to the left of the start and above it.
    const QRect down = inkOfRotatedText(1800);
    EXPECT_LE(down.right(), 100);
    EXPECT_LE(down.bottom(), 100);
    EXPECT_NEAR(down.width(), level.width(), 2);
    EXPECT_NEAR(down.height(), level.height(), 2);
}

TEST(GdiFont, HeightIsTheCellOrTheCharacterHeight) {
    for (int height : {8, 10, 13, 16, 20, 40}) {
        const QFont cell = logFontToQFont(LogFont{height, 0, 700, false, "Arial"});
        EXPECT_NEAR(cellHeightPx(cell), height, 1) << height;
        EXPECT_LT(cell.pixelSize(), height) << height;

        const QFont character = logFontToQFont(LogFont{-height, 0, 400, false, "Arial"});
        EXPECT_EQ(character.pixelSize(), height);
        EXPECT_GT(cellHeightPx(character), height);
    }
    EXPECT_EQ(logFontToQFont(LogFont{0, 0, 400, false, "Arial"}).pixelSize(), kDefaultCharacterHeightPx);
}

TEST(GdiFont, FacesResolveThroughFontconfig) {
    const QFontInfo arial(pictureFont("Arial", 10, false, false));
    EXPECT_EQ(arial.family(), "Liberation Sans");
    EXPECT_EQ(pictureFont("Arial", 9, false, false).pixelSize(), 12);
    EXPECT_EQ(pictureFont("Arial", 7, false, false).pixelSize(), 9);

    const QFontInfo missing(logFontToQFont(LogFont{-12, 0, 400, false, "No Such Face Anywhere"}));
    EXPECT_FALSE(missing.family().isEmpty());
    EXPECT_NE(missing.family(), "No Such Face Anywhere");
}

TEST(GdiFont, SelectionReturnsThePreviousOneAndEndsWithAFontProperty) {
    Canvas p(300, 100);
    p.setScaleMode(scalemode::Pixels);
    const double pictureHeight = p.textHeight("x");
    EXPECT_FALSE(p.selectFont(LogFont{-40, 0, 400, false, "Arial"}).has_value());
    EXPECT_GT(p.textHeight("x"), 40);
    const auto previous = p.selectFont(std::nullopt);
    ASSERT_TRUE(previous.has_value());
    EXPECT_EQ(previous->heightPx, -40);
    EXPECT_DOUBLE_EQ(p.textHeight("x"), pictureHeight);

    p.selectFont(LogFont{-40, 0, 400, false, "Arial"});
    p.setFontSize(8);
    EXPECT_DOUBLE_EQ(p.textHeight("x"), pictureHeight);
}

} // namespace
} // namespace platform
