// The way passes on the window's map picture: widths by zoom and file size, the inner line over
// the all-ways line, dashes, the window test, the zoom thresholds of the line classes, the
// "Hide Errors" colours and the write-backs later passes rely on.

#include "drawing_fixture.h"
#include "render/detailpass.h"
#include "render/drawcontext.h"
#include "render/drawwindows.h"
#include "render/linepasses.h"
#include "render/waypass.h"

namespace render::testing {
namespace {

using basic::qbColor;
using basic::rgb;

const Long kCasing = rgb(180, 180, 180);
const Long kRoad = rgb(250, 210, 60);

TEST(WayWidths, FollowZoomAndFileSize) {
    struct Case {
        int widthClass;
        basic::Single zoom;
        basic::Single fileSizeMB;
        int pen;
    };
    const Case cases[] = {
        {7, 1.4f, 2.5f, 5},  // 4.9 -> 5 -> 7 (zoom above 1) -> 5 (small file)
        {7, 4, 2.5f, 8},     // 14 -> 8
        {7, 4, 9, 8},        //
        {1, 4, 9, 1},        // class 1 is never scaled
        {1, 1.4f, 1, 1},     // and never goes below 1
        {4, 1, 5, 2},        // zoom exactly 1 does not raise to 7
        {4, 1.01f, 5, 7},    //
        {3, 1.4f, 1, 5},     //
        {12, 2.9f, 2.9f, 8}, // 17.4 -> 17, reduced before the cap: 15 -> 8
        {2, 0.5f, 1, 1},     // .5 -> 0 (halves to even) -> -2 -> 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.widthClass);
        SCOPED_TRACE(c.zoom);
        EXPECT_EQ(wayPenWidth(c.widthClass, c.zoom, c.fileSizeMB), c.pen);
    }
}

TEST(WayWidths, BridgeDecksAndMiddleSegments) {
    EXPECT_EQ(deckWidth(5, 0, 1.51f), 2); // 3.775 -> 4 - 2
    EXPECT_EQ(deckWidth(5, 0, 1.4f), 1);  // 3.5 -> 4 (halves to even) - 2 = 2
    EXPECT_EQ(deckWidth(20, 0, 4), 6);    // 40 -> 8 - 2
    EXPECT_EQ(deckWidth(3, 0, 1), 1);     // 1.5 -> 2 - 2 = 0 -> 1
    EXPECT_EQ(deckWidth(20, 2, 4), 1);    // dashed
    // Node counts 2, 3, 4, 5, 9: segments 0..n-2; the middle, and the only one of two nodes.
    EXPECT_EQ(middleSegment(2), 0u);
    EXPECT_EQ(middleSegment(3), 1u);
    EXPECT_EQ(middleSegment(4), 2u);
    EXPECT_EQ(middleSegment(5), 2u);
    EXPECT_EQ(middleSegment(9), 4u);
}

class WayPassTest : public DrawingTest {
protected:
    // A horizontal road at screen y `y` from screen x `x0` to `x1`, at the current zoom.
    Long road(double x0, double x1, double y, WayRecord record) {
        const double z = map().global.viewZoom;
        record.nodes = {node(x0 / z, y / z), node(x1 / z, y / z)};
        return way(record);
    }
    static WayRecord look(Long drawColour, double colour, basic::Integer widthClass,
                          basic::Integer layer = 3) {
        WayRecord w;
        w.drawColour = drawColour;
        w.colour = colour;
        w.width = widthClass;
        w.layer = layer;
        return w;
    }
    // The colours of device column x from row y0 to y1, both included.
    std::vector<Long> column(int x, int y0, int y1) {
        std::vector<Long> colours;
        for (int y = y0; y <= y1; ++y)
            colours.push_back(pixel(x, y));
        return colours;
    }
    // How many pixels of row y, x0 <= x < x1, have the colour.
    int inRow(int y, int x0, int x1, Long colour) {
        int n = 0;
        for (int x = x0; x < x1; ++x)
            n += pixel(x, y) == colour;
        return n;
    }
};

TEST_F(WayPassTest, TheInnerLineLiesOverTheAllWaysLine) {
    struct Case {
        basic::Single zoom;
        std::vector<Long> rows; // device rows 998..1002 at column 1200
        basic::Integer storedWidth;
    };
    const Long bg = background();
    const Case cases[] = {
        // Pen 5 in the casing colour, inner line 5 - 4 = 1 in the road colour.
        {1.4f, {bg, kCasing, kCasing, kRoad, kCasing, kCasing, bg}, 5},
        // Pen 8 (rows -4..+3), inner line 4 (rows -2..+1).
        {4, {kCasing, kCasing, kRoad, kRoad, kRoad, kRoad, kCasing}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        clearMap();
        map().global.viewZoom = c.zoom;
        road(3000, 4500, 3000, look(kCasing, kRoad, 7));
        draw();
        const int first = c.zoom == 4 ? 996 : 997;
        EXPECT_EQ(column(1200, first, first + 6), c.rows);
        EXPECT_EQ(map().data.wayWidth[1], c.storedWidth);
    }
}

TEST_F(WayPassTest, DashesOnlyAtWidthOne) {
    map().global.viewZoom = 4;
    WayRecord thin = look(kRoad, kRoad, 1, 0);
    thin.style = 1;
    WayRecord wide = look(kRoad, kRoad, 9, 0);
    wide.style = 1;
    road(2100, 6000, 2100, thin);
    road(2100, 6000, 3000, wide);
    WayRecord rail = look(0, rgb(117, 117, 117), 2, 11);
    road(2100, 6000, 4200, rail);
    draw();
    // Dash 18 on, 6 off.
    EXPECT_EQ(inRow(700, 700, 1900, kRoad), 900);
    EXPECT_EQ(inRow(1000, 700, 1900, kRoad), 1200);
    // The railway: grey 2 + 4 - 4 = 2 wide, white dashes of width 1 along its first row.
    EXPECT_EQ(inRow(1400, 700, 1900, basic::qbColor(15)), 900);
    EXPECT_EQ(inRow(1400, 700, 1900, rgb(117, 117, 117)), 300);
    EXPECT_EQ(inRow(1399, 700, 1900, rgb(117, 117, 117)), 1200);
    EXPECT_EQ(map().data.wayWidth[3], 6) << "the railway's width grows by 4";
    EXPECT_EQ(map().data.wayWidth[2], 8) << "the detail pass caps a wide way's width";
}

TEST_F(WayPassTest, LargeFilesDrawOnlySegmentsThatStartInTheWindow) {
    struct Case {
        basic::Single fileSizeMB;
        double startX;
        Long colour;
        bool drawn;
    };
    const Long red = rgb(200, 0, 0);
    const Long water = rgb(181, 208, 208);
    const Case cases[] = {
        {2, 6400, red, true},   {2, 6401, red, false},        {1.9f, 6401, red, true},
        {2, 6401, water, true}, {2, 6401, qbColor(13), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.startX);
        SCOPED_TRACE(c.fileSizeMB);
        clearMap();
        data.fileSizeMB = c.fileSizeMB;
        road(c.startX, 4800, 3000, look(c.colour, static_cast<double>(c.colour), 1));
        draw();
        EXPECT_EQ(at(5400, 3000), c.drawn ? c.colour : background());
    }
}

TEST_F(WayPassTest, OnAWideScreenLargeFilesAreDrawnToTheViewportsRightEdge) {
    onScreen(core::testing::kWideScreen);
    const render::DrawWindow visible = visiblePart(map().view);
    ASSERT_GT(visible.right, 6700);
    data.fileSizeMB = 2;
    const Long red = rgb(200, 0, 0);
    road(visible.right - 100, visible.right + 300, 3000, look(red, red, 1));
    draw();
    EXPECT_EQ(at(visible.right - 50, 3000), red);
}

TEST_F(WayPassTest, ASegmentOnOnePixelIsLeftOutOnlyWhereItInksNothingNew) {
    // At zoom 1 a pixel is three p1 units: 3000 and 3001 lie on one pixel.
    const Long a = node(2400, 3000);
    const Long b = node(3000, 3000);
    const Long onB = node(3001, 3000);
    way({.nodes = {a, b, onB}});
    draw();
    DrawErrors errors;
    DrawContext c(map(), errors);
    c.prepare();
    platform::PictureBox& p = p1();
    p.setDrawWidth(9);
    p.setForeColor(kRoad);
    const QPoint end = c.pixel(b);
    ASSERT_EQ(end, c.pixel(onB));

    // After a segment that ends there, the same pixels as drawing every segment.
    p.cls();
    c.line(a, b);
    c.line(b, onB);
    const QImage everySegment = p.image().copy();
    p.cls();
    DrawContext::Stroke stroke(c);
    stroke.line(a, b);
    stroke.line(b, onB);
    EXPECT_EQ(p.image(), everySegment);
    EXPECT_EQ(p.currentX(), c.x(onB));

    // Once something else was drawn there, its round end is inked again.
    p.pset(c.x(b), c.y(b), kCasing);
    stroke.interrupt();
    stroke.line(b, onB);
    EXPECT_EQ(pixel(end.x(), end.y()), kRoad);

    // A thin pen inks nothing there, first segment or not.
    p.setDrawWidth(1);
    p.pset(c.x(b), c.y(b), kCasing);
    DrawContext::Stroke thin(c);
    thin.line(b, onB);
    EXPECT_EQ(pixel(end.x(), end.y()), kCasing);
}

// A way drawn whole is passed over only where its pen cannot reach the picture (2670 pixels
// square), and then leaves the current position at its last node as drawing it would.
TEST_F(WayPassTest, AWayIsPassedOverOnlyWhereItsPenCannotReachThePicture) {
    struct Row {
        int column; // of a vertical way from row 1000 to row 1200
        int pen;
        bool passed;
    };
    const Row rows[] = {{2678, 13, true}, {2677, 13, false}, {2672, 1, true}, {2671, 1, false},
                        {-9, 13, true},   {-8, 13, false},   {1335, 1, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.column);
        clearMap();
        way({.nodes = {node(3 * r.column, 3000), node(3 * r.column, 3600)}});
        draw();
        DrawErrors errors;
        DrawContext c(map(), errors);
        c.prepare();
        p1().setDrawWidth(r.pen);
        p1().setCurrentY(0);
        EXPECT_EQ(c.passedBeside(1), r.passed);
        EXPECT_EQ(p1().currentY(), r.passed ? 3600 : 0);
    }
}

TEST_F(WayPassTest, HideErrorsRecoloursTheInnerLines) {
    map().global.viewZoom = 1.4f;
    const Long red = rgb(255, 20, 20);
    road(2100, 4500, 2100, look(kCasing, red, 7));
    road(2100, 4500, 3000, look(kCasing, 0, 7));
    road(2100, 4500, 3900, look(kCasing, qbColor(13), 7));
    for (basic::Integer mode : {0, 1}) {
        SCOPED_TRACE(mode);
        map().data.mapMode = mode;
        draw();
        EXPECT_EQ(pixel(1000, 700), mode == 1 ? qbColor(15) : red);
        EXPECT_EQ(pixel(1000, 1000), mode == 1 ? kCasing : 0) << "colour 0: black inner line, or none";
        EXPECT_EQ(pixel(1000, 1300), mode == 1 ? 0 : qbColor(13));
        EXPECT_EQ(map().data.wayColour[1], mode == 1 ? qbColor(15) : red);
    }
}

TEST_F(WayPassTest, LineClassesAppearPastTheirZooms) {
    const Long deck = rgb(0, 200, 0);
    const Long bg = background();
    struct Case {
        basic::Single zoom;
        Long casingEdge; // 3 rows off the bridge's centre
        Long bridgeCentre;
        Long railwayCentre;
        Long waterCentre;
    };
    const Case cases[] = {
        {1.5f, bg, kRoad, 0, bg},
        {1.51f, rgb(100, 100, 100), kRoad, 0, bg},
        {2, rgb(100, 100, 100), kRoad, 0, bg},
        {2.01f, rgb(100, 100, 100), deck, rgb(82, 33, 77), bg},
        {2.5f, rgb(100, 100, 100), deck, rgb(82, 33, 77), rgb(181, 208, 208)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        clearMap();
        map().global.viewZoom = c.zoom;
        WayRecord bridge = look(0, kRoad, 5, 0);
        bridge.extraColour = deck;
        road(2100, 4500, 2100, bridge);
        road(2100, 4500, 3000, look(0, 0, 1, 11));
        WayRecord water = look(0, 0, 4, 0);
        road(2100, 4500, 3900, water);
        data.bridgeList = "#1#";
        data.tramList = "#2#";
        data.waterwayList = "#3#";
        draw();
        EXPECT_EQ(pixel(1000, 703), c.casingEdge);
        EXPECT_EQ(pixel(1000, 700), c.bridgeCentre);
        EXPECT_EQ(pixel(1000, 1000), c.railwayCentre) << "the detail pass draws it black";
        EXPECT_EQ(pixel(1000, 1300), c.waterCentre);
    }
}

TEST_F(WayPassTest, PowerLinesAndBoundariesAtEveryZoom) {
    map().global.viewZoom = 0.5f;
    road(2100, 4500, 2100, look(0, 0, 1, 12));
    data.boundaryList = "#1#";
    data.fileSizeMB = 30;
    draw();
    // Dash-dot-dot, 1 pixel: 9 on, 3 off, 3 on, 3 off, 3 on, 3 off.
    EXPECT_EQ(inRow(700, 700, 1492, rgb(96, 92, 168)), 495);
}

TEST_F(WayPassTest, NodeAndWayIndicesOutsideTheirRangesSkipOnlyThemselves) {
    const Long red = rgb(200, 0, 0);
    const Long a = node(2100, 2100), b = node(4500, 2100), c = node(2100, 3000);
    const Long last = node(4500, 3000);
    WayRecord toLast = look(red, red, 1);
    toLast.nodes = {c, last, 5, a, 0, b};
    way(toLast);
    data.bridgeList = "#7#1#";
    data.waterwayList = "#-3#";
    draw();
    EXPECT_EQ(at(3300, 3000), red) << "the last node of the file is a node";
    EXPECT_EQ(at(4500, 2500), background()) << "node 5 is none";
    EXPECT_EQ(at(3300, 2100), background()) << "node 0 is none";
    EXPECT_TRUE(dialogs().shown().empty());
}

// An index that is no number marks a damaged file: it is refused with one message, and none of
// it is drawn.
TEST_F(WayPassTest, AnIndexThatIsNoNumberRefusesTheFileWithOneMessage) {
    const Long red = rgb(200, 0, 0);
    const Long a = node(2100, 2100), b = node(4500, 2100), c = node(6000, 2100);
    WayRecord bad = look(red, red, 1);
    bad.rawNodes = std::to_string(a) + "#" + std::to_string(b) + "#x#" + std::to_string(c) + "#";
    way(bad);
    way(bad);
    data.areaList = "1#y#";
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    draw();
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "Type mismatch");
    EXPECT_EQ(at(3300, 2100), background());
}

} // namespace
} // namespace render::testing
