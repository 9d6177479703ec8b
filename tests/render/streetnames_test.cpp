// Street names: the label size, the rotated text, and which names the pass prints where.

#include "basic/colour.h"
#include "overlays_fixture.h"
#include "platform/canvas_test_support.h"
#include "render/drawwindows.h"
#include "render/streetnames.h"

namespace core::testing {
namespace {

using platform::canvastest::inkBounds;
using platform::canvastest::PixelCanvas;

const basic::Long kGrey = basic::rgb(82, 82, 82);
const basic::Long kWaterBlue = basic::rgb(0, 159, 222);

TEST(StreetNames, LabelSizeGrowsWithZoomHalvesToEvenAndStopsAtTheLargest) {
    struct Row {
        basic::Integer labelFontSize;
        basic::Single zoom;
        basic::Integer size;
        basic::Integer largest = 16;
    };
    const Row rows[] = {
        {7, 1.4f, 8},  // 7.84
        {7, 2.5f, 8},  // 8.5 goes to the even 8
        {9, 2.5f, 10}, // 10.5 goes to the even 10
        {7, 4, 9},     // 9.4
        {7, 15, 16},   // exactly 16
        {7, 16, 16},   // 16.6, held at 16
        {12, 20, 16},  // 24
        {0, 0, 0},
        {7, 1.6f, 8, 20},    // 7.96; the Planning Sheet's names stop at 20
        {16, 11.2f, 20, 20}, // 22.72, held at 20
    };
    for (const Row& row : rows)
        EXPECT_EQ(render::drawFontSize(row.labelFontSize, row.zoom, row.largest), row.size)
            << row.labelFontSize << " at " << row.zoom << " up to " << row.largest;
}

// The ink of one rotated label printed from (100, 200) of a white picture in pixels.
QRect rotatedInk(int escapement, const char* text = "Main Street") {
    PixelCanvas p(400, 400);
    render::drawrotatedtext(p, text, 100, 200, "Arial", 16, escapement);
    return inkBounds(p.image(), 0xFFFFFF);
}

TEST(StreetNames, RotatedTextTurnsAboutTheTopLeftOfItsCell) {
    const QFont font = platform::logFontToQFont(platform::LogFont{16, 900, 700, false, "Arial"});
    const int cell = platform::cellHeightPx(font);
    const int advance = platform::textWidthPx(font, "Main Street");
    EXPECT_NEAR(cell, 16, 1);

    // Reading upwards: within [x, x + cell] x [y - advance, y], taller than wide. The last
    // glyph of a bold face may reach one pixel past its advance.
    const QRect up = rotatedInk(900);
    ASSERT_FALSE(up.isEmpty());
    EXPECT_GE(up.left(), 100);
    EXPECT_LE(up.right(), 100 + cell);
    EXPECT_GE(up.top(), 200 - advance - 1);
    EXPECT_LE(up.bottom(), 200);
    EXPECT_GT(up.height(), up.width());

    // Level: no ink above y, none left of x, one cell high at most.
    const QRect level = rotatedInk(0);
    ASSERT_FALSE(level.isEmpty());
    EXPECT_GE(level.top(), 200);
    EXPECT_GE(level.left(), 100);
    EXPECT_LE(level.bottom(), 200 + cell);
    EXPECT_LE(level.right(), 100 + advance);
    EXPECT_GT(level.width(), level.height());
}

TEST(StreetNames, RotatedTextIsBoldAndLeavesThePictureFontSelected) {
    PixelCanvas p(400, 100);
    const double before = p.textHeight("x");
    render::drawrotatedtext(p, "Mill Lane", 10, 10, "Arial", 30, 0);
    EXPECT_FALSE(p.selectFont(std::nullopt).has_value());
    EXPECT_DOUBLE_EQ(p.textHeight("x"), before);
    // The line ended: the print position went down by the rotated font's cell.
    EXPECT_NEAR(p.currentY(), 40, 1);

    PixelCanvas regular(400, 100);
    regular.selectFont(platform::LogFont{30, 0, 400, false, "Arial"});
    regular.setCurrentX(10);
    regular.setCurrentY(10);
    regular.print("Mill Lane");
    EXPECT_GT(platform::canvastest::countColour(p.image(), 0),
              platform::canvastest::countColour(regular.image(), 0));
}

class StreetNamePassTest : public LabelPassTest {
protected:
    // One named way whose name node lies at the screen point (x, y) at this zoom, offsets 0.
    MapWindow& oneName(basic::Single zoom, double x, double y, const std::string& name = "Main Street") {
        MapWindow& map = window(zoom);
        map.legendPanel.Check1.setValue(1);
        placeNodes(map, {{x / zoom, y / zoom}});
        nameWays(map, {name}, {1});
        map.data.streetNameList = "1#";
        return map;
    }
};

TEST_F(StreetNamePassTest, OnlyInsideTheNameWindowAboveZoom2WithTheOptionOn) {
    struct Row {
        basic::Single zoom;
        double x, y;
        int option;
        bool drawn;
    };
    const Row rows[] = {
        {4, 2500, 2500, 1, true},    {4, 5900, 4500, 1, true},     {4, 5900.5, 3000, 1, false},
        {4, 2499.5, 3000, 1, false}, {4, 3000, 4500.5, 1, false},  {4, 3000, 2499.5, 1, false},
        {2, 3000, 3000, 1, false},   {2.01f, 3000, 3000, 1, true}, {4, 3000, 3000, 0, false},
    };
    for (const Row& row : rows) {
        MapWindow& map = oneName(row.zoom, row.x, row.y);
        map.legendPanel.Check1.setValue(row.option);
        EXPECT_EQ(run(map, render::streetNamePass), 0u);
        // The name stands 20 units above its node.
        EXPECT_EQ(inkNear(map, row.x, row.y - 20, kGrey) > 0, row.drawn)
            << row.zoom << " (" << row.x << ", " << row.y << ") option " << row.option;
    }
}

TEST_F(StreetNamePassTest, OnAWideScreenNamesReachTheViewportsRightAndBottomEdges) {
    for (const auto corner : {std::pair{6700.0, 3000.0}, std::pair{3000.0, 4650.0}}) {
        MapWindow& map = windowOnScreen(kWideScreen, 4);
        ASSERT_TRUE(render::visiblePart(map.view).contains(6750, 4700));
        map.legendPanel.Check1.setValue(1);
        placeNodes(map, {{corner.first / 4, corner.second / 4}});
        nameWays(map, {"Main Street"}, {1});
        map.data.streetNameList = "1#";
        run(map, render::streetNamePass);
        EXPECT_GT(inkNear(map, corner.first, corner.second - 20, kGrey), 0) << corner.first;
    }
}

TEST_F(StreetNamePassTest, WaterwayNamesAreBlueAndTheirMarkIsNotDrawn) {
    MapWindow& map = oneName(4, 3000, 3000, "\x1FRiver Aire");
    run(map, render::streetNamePass);
    const int blue = inkNear(map, 3000, 2980, kWaterBlue);
    EXPECT_GT(blue, 0);
    EXPECT_EQ(inkNear(map, 3000, 2980, kGrey), 0);

    MapWindow& plain = oneName(4, 3000, 3000, "River Aire");
    run(plain, render::streetNamePass);
    EXPECT_EQ(inkNear(plain, 3000, 2980, kGrey), blue);
}

TEST_F(StreetNamePassTest, TheStoredAngleTurnsTheName) {
    MapWindow& map = oneName(4, 3000, 4000);
    map.data.wayNameAngle[1] = 90;
    run(map, render::streetNamePass);
    // Reading upwards from 20 units above the node: ink well above, none below the start.
    EXPECT_GT(inkNear(map, 3000, 3980 - 60, kGrey, 15), 0);
    EXPECT_EQ(inkNear(map, 3000, 3980 + 60, kGrey, 15), 0);
}

TEST_F(StreetNamePassTest, PiecesThatNameNoWayOrNoNodeArePassedOverSilently) {
    MapWindow& map = window(4);
    map.legendPanel.Check1.setValue(1);
    placeNodes(map, {{750, 750}, {1000, 1000}});
    nameWays(map, {"Good Road", "Lost Road", "Zero Road"}, {1, 2, 1});
    map.data.wayNameNode[2] = 99; // beyond the nodes
    map.data.wayNameNode[3] = -4;
    map.data.streetNameList = "0#7#-1#abc#1e12#2#3#1#";
    EXPECT_EQ(run(map, render::streetNamePass), 0u);
    EXPECT_GT(inkNear(map, 3000, 2980, kGrey), 0);
    EXPECT_EQ(inkAnywhere(map), inkNear(map, 3000, 2980, kGrey, 100));
}

TEST_F(StreetNamePassTest, EveryPieceThatIsNotEmptyNamesAWayTheFirstAndTheLastToo) {
    for (const char* list : {"1#", "#1", "1", "##1##"}) {
        MapWindow& map = oneName(4, 3000, 3000);
        map.data.streetNameList = list;
        run(map, render::streetNamePass);
        EXPECT_GT(inkNear(map, 3000, 2980, kGrey), 0) << list;
    }
}

} // namespace
} // namespace core::testing
