// The Planning Sheet, drawn from a project file and probed pixel by pixel: the white sheet, the
// greyed and masked areas, the line widths, the repeat, the street names, the POIs once, the
// window left usable on every way out, and the reload that keeps what the sheet must not take.

#include "drawing_fixture.h"
#include "basic/fault.h"
#include "core/stores.h"
#include "platform/canvascolour.h"
#include "render/mapstyle.h"
#include "render/redraw2.h"
#include "render/sheetways.h"
#include "render/streetnames.h"

#include <string>
#include <vector>

namespace render::testing {
namespace {

using basic::qbColor;
using basic::rgb;

constexpr basic::Integer kPlanningSheet = 2;
const Long kOutline = rgb(10, 20, 30);
const Long kWhite = qbColor(15);

class SheetTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        map().d.mapMode = kPlanningSheet;
        map().legendPanel.Check1.setValue(0);
        map().g.settings.patternFill = 1;
    }

    // A closed square area with its top-left corner at (x, y) and its label point at its centre.
    Long square(double x, double y, double side, double fill, double colour = 0) {
        const Long a = node(x, y);
        const Long b = node(x + side, y);
        const Long c = node(x + side, y + side);
        const Long d = node(x, y + side);
        WayRecord w;
        w.nodes = {a, b, c, d, a};
        w.colour = colour;
        w.drawColour = kOutline;
        w.labelX = static_cast<float>(x + side / 2);
        w.labelY = static_cast<float>(y + side / 2);
        w.fill = fill;
        const Long i = way(w);
        data.areaList += std::to_string(i) + "#";
        return i;
    }

    // A plain way of a colour through the nodes.
    Long line(std::vector<Long> nodes, double colour, basic::Integer width = 1) {
        WayRecord w;
        w.nodes = std::move(nodes);
        w.colour = colour;
        w.width = width;
        return way(w);
    }

    // The number of pixels of the colour in column x, rows y0..y1.
    int columnRun(int x, int y0, int y1, Long colour) {
        int run = 0;
        for (int y = y0; y <= y1; ++y)
            run += pixel(x, y) == colour;
        return run;
    }

    int countColour(Long colour) {
        const QImage& image = p1().image();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += platform::fromQRgb(image.pixel(x, y)) == colour;
        return count;
    }

    std::size_t messages() { return dialogs().shown().size(); }

    // The window as a user can work with it.
    void expectUsable() {
        core::MapWindow& m = map();
        EXPECT_FALSE(m.d.drawBusy);
        EXPECT_TRUE(m.view.p1.enabled());
        EXPECT_TRUE(m.view.p1.visible());
        EXPECT_TRUE(m.view.tm2.enabled());
    }
};

TEST_F(SheetTest, OnWhiteABuildingShowsTile22AndKeepsItAsItsFill) {
    const Long building = square(3000, 3000, 600, rgb(188, 169, 169));
    draw();
    EXPECT_EQ(pixel(5, 5), kWhite);
    EXPECT_EQ(map().d.wayFill[static_cast<std::size_t>(building)], 22);
    const QImage& tile = map().stores.picTile[22].picture();
    ASSERT_FALSE(tile.isNull());
    for (int y = 1010; y < 1190; y += 7)
        for (int x = 1010; x < 1190; x += 5)
            ASSERT_EQ(pixel(x, y), platform::fromQRgb(tile.pixel(x % tile.width(), y % tile.height())))
                << x << "," << y;
}

TEST_F(SheetTest, WithPatternFillOffPatternAreasAreGreyedFromTheirColourOrTheirOutline) {
    map().g.settings.patternFill = 0;
    square(2400, 2400, 600, 5, rgb(50, 50, 50));
    square(4200, 2400, 600, 5, 30); // too dark to be its own colour: the outline's grey
    square(2400, 4200, 600, 5, 31);
    draw();
    EXPECT_EQ(at(2700, 2700), rgb(150, 150, 150));
    EXPECT_EQ(at(4500, 2700), rgb(120, 120, 120)); // rgbTog of RGB(10,20,30)
    EXPECT_EQ(at(2700, 4500), rgb(110, 110, 110)); // 31 is red 31 only: a mean of 10
}

TEST_F(SheetTest, WithPatternFillOnATileIsMaskedBlackAndWhiteFromThePictureOrigin) {
    square(3000, 3000, 600, 5);
    draw();
    const QImage& tile = map().stores.picTile[5].picture();
    const QRgb key = tile.pixel(1, 1);
    int black = 0;
    int white = 0;
    for (int y = 1005; y < 1195; ++y)
        for (int x = 1005; x < 1195; ++x) {
            const bool background = tile.pixel(x % tile.width(), y % tile.height()) == key;
            ASSERT_EQ(pixel(x, y), background ? kWhite : 0) << x << "," << y;
            (background ? white : black)++;
        }
    EXPECT_GT(black, 0);
    EXPECT_GT(white, 0);
}

TEST_F(SheetTest, AfterTheRepeatAColourAreasOutlineIsThreePixelsInItsFill) {
    const Long fill = rgb(200, 100, 50);
    square(3000, 3000, 600, fill);
    draw();
    EXPECT_EQ(countColour(kOutline), 0);
    EXPECT_EQ(countColour(fill) > 0, true);
    // Across the left edge at x = 1000 pixels, halfway down.
    int run = 0;
    for (int x = 995; x <= 1005; ++x)
        run += pixel(x, 1100) == fill;
    EXPECT_EQ(run, 3);
    EXPECT_EQ(pixel(1100, 1100), kWhite); // outlined only
}

TEST_F(SheetTest, GeneralWaysWidthFollowsTheZoom) {
    struct Row {
        basic::Integer width, style;
        double colour;
        basic::Single zoom;
        int pen;
    };
    const Row rows[] = {
        {10, 0, 255, 1.4f, 2},          {10, 0, 255, 5.6f, 5}, {1, 0, 255, 1.4f, 2},
        {1, 2, 255, 1.4f, 1},           {3, 0, rgb(201, 161, 81), 1, 1},
        {40, 0, 255, 5.6f, 5},          {9, 0, rgb(117, 117, 117), 5.6f, 2},
    };
    for (const Row& row : rows)
        EXPECT_EQ(sheetInnerWidth(row.width, row.style, row.colour, row.zoom), row.pen) << row.width;
    EXPECT_EQ(sheetOuterWidth(3, 0, 1.4f), 7);
    EXPECT_EQ(sheetOuterWidth(3, 1, 1.4f), 1);
    EXPECT_EQ(sheetOuterWidth(20, 0, 5.6f), 13);

    const Long colour = rgb(0, 0, 255);
    for (const auto& [zoom, pen] : {std::pair{1.4f, 2}, std::pair{5.6f, 5}}) {
        clearMap();
        map().g.viewZoom = zoom;
        // A level way through the screen point (3000, 3000), pixel row 1000.
        const double y = 3000 / zoom;
        line({node(2400 / zoom, y), node(3600 / zoom, y)}, colour, 10);
        draw();
        EXPECT_EQ(columnRun(1000, 980, 1020, colour), pen) << zoom;
    }
}

TEST_F(SheetTest, EveryNodeOfAWayIsDrawnUpToTheLastAndNoneReachesNodeZero) {
    const Long colour = rgb(0, 0, 255);
    const Long a = node(2400, 3000);
    const Long b = node(3000, 3000);
    const Long c = node(3000, 3600); // the last node of the file
    line({a, b, c}, colour);
    draw();
    EXPECT_EQ(messages(), 0u);
    EXPECT_EQ(pixel(1000, 1100), colour); // on the segment to the last node
    int outside = 0;
    const QImage& image = p1().image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (x < 790 || y < 990 || y > 1210 || x > 1010)
                outside += platform::fromQRgb(image.pixel(x, y)) == colour;
    EXPECT_EQ(outside, 0);
}

TEST_F(SheetTest, AuthorsAreLabelledAtTheOnlySegmentOfATwoNodeWayAndListedOnce) {
    map().g.authorOverlay = -1;
    WayRecord w;
    w.nodes = {node(2400, 3000), node(3000, 3000)};
    w.colour = rgb(0, 0, 255);
    w.user = "Anna";
    way(w);
    w.user = "Ann";
    way(w);
    draw();
    draw();
    const Long labelColour = qbColor(9);
    EXPECT_GT(countColour(labelColour), 0);
    const platform::ListBox& authors = map().legendPanel.List1;
    ASSERT_EQ(authors.listCount(), 2);
    EXPECT_EQ(authors.list(0), "Anna");
    EXPECT_EQ(authors.list(1), "Ann");
}

class SheetNamesTest : public SheetTest {
protected:
    // Seven nodes, the sixth at the screen point (4000, 4000) and the seventh at (3000, 3000);
    // way 1 named at node 7, way 2 at node 6.
    void namedWays(basic::Single zoom) {
        map().g.viewZoom = zoom;
        map().legendPanel.Check1.setValue(1);
        for (int n = 1; n <= 5; ++n)
            node(1000, 1000);
        node(4000 / zoom, 4000 / zoom);
        node(3000 / zoom, 3000 / zoom);
        for (const Long at : {7, 6}) {
            WayRecord w;
            w.nodes = {6, 7};
            w.name = "Mill Lane";
            w.nameNode = at;
            way(w);
        }
    }
    // The grey of street names just right of and above a point.
    int greyNear(double x, double y) {
        int count = 0;
        const int px = static_cast<int>(p1().toPixelX(x));
        const int py = static_cast<int>(p1().toPixelY(y));
        for (int row = py - 20; row <= py + 20; ++row)
            for (int col = px - 5; col <= px + 60; ++col)
                count += pixel(col, row) == rgb(82, 82, 82);
        return count;
    }
};

TEST_F(SheetNamesTest, NamesFromZoom16AtTheirNameNodeAndEveryWayOfTheList) {
    EXPECT_EQ(drawFontSize(7, 1.6f, 20), 8);
    EXPECT_EQ(drawFontSize(16, 11.2f, 20), 20);

    namedWays(1.5f);
    data.streetNameList = "1#2#";
    draw();
    EXPECT_EQ(countColour(rgb(82, 82, 82)), 0);

    clearMap();
    namedWays(1.6f);
    data.streetNameList = "1#";
    draw();
    EXPECT_GT(greyNear(3000, 2980), 0); // at node 7 itself, not node 6
    EXPECT_EQ(greyNear(4000, 3980), 0);

    clearMap();
    namedWays(1.6f);
    data.streetNameList = "1#2#";
    draw();
    EXPECT_GT(greyNear(3000, 2980), 0);
    EXPECT_GT(greyNear(4000, 3980), 0);
}

TEST_F(SheetTest, ThreePubsInViewAreThreeMarkersAfterOneSheet) {
    const basic::Single zoom = 1.4f;
    map().g.viewZoom = zoom;
    for (int k = 0; k < 3; ++k)
        node((3000 + 300 * k) / zoom, 3000 / zoom, {"PUB#The Swan", "tip"});
    draw();
    EXPECT_EQ(map().d.pbCount, 4);
}

TEST_F(SheetTest, EveryWayOutLeavesTheWindowUsableAndTheNextSheetDraws) {
    line({node(2400, 3000), node(3000, 3000)}, rgb(0, 0, 255));
    writeProject();
    const std::string path = map().g.parsedPath;

    map().g.parsedPath.clear();
    redraw(map());
    EXPECT_EQ(messages(), 0u);
    expectUsable();

    map().g.parsedPath = path + "*";
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    redraw(map());
    EXPECT_EQ(messages(), 1u);
    expectUsable();

    map().g.parsedPath = path;
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    redraw2(map(), [](std::string_view step) {
        if (step == "general ways") basic::raise(basic::fault::Overflow);
    });
    EXPECT_EQ(messages(), 2u);
    expectUsable();

    redraw(map());
    EXPECT_EQ(messages(), 2u);
    EXPECT_EQ(pixel(900, 1000), rgb(0, 0, 255));
    expectUsable();
}

TEST_F(SheetTest, AFileThatDoesNotReadWholeLeavesTheDataModelAsItWas) {
    line({node(2400, 3000), node(3000, 3000)}, rgb(0, 0, 255));
    draw();
    basic::writeFileWhole(map().g.parsedPath, "1.971\r\nnot a map\r\n");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    redraw(map());
    EXPECT_EQ(messages(), 1u);
    EXPECT_EQ(map().d.nodeCount, 2);
    EXPECT_EQ(map().d.wayCount, 1);
    expectUsable();
}

TEST_F(SheetTest, RedrawHandsTheWholeCallOverAndShowErrorsBringsTheMarkersBack) {
    node(3000, 3000);
    data.questCount = 2;
    data.questTexts = {"A problem"};
    data.questList = "1#";
    writeProject();
    std::vector<std::string> steps;
    redraw(map(), [&](std::string_view step) { steps.emplace_back(step); });
    const std::vector<std::string> expected = {
        "reload",         "areas",         "all ways",       "waterways",      "bridge casings", "general ways",
        "bridge decks",   "street names",  "areas again",    "all ways again", "waterways again",
        "bridge casings again", "general ways again", "bridge decks again", "street names again",
        "POI markers",    "labels",        "GPX or route",   "end"};
    EXPECT_EQ(steps, expected);
    EXPECT_FALSE(map().markers.quest.exists(2));
    EXPECT_TRUE(map().d.questList.empty());

    map().g.settings.backColour = rgb(241, 238, 232);
    mn_Click(map(), 0);
    EXPECT_TRUE(map().markers.quest.exists(2));
    EXPECT_EQ(pixel(5, 5), rgb(241, 238, 232));
}

TEST_F(SheetTest, TheReloadTakesThePlacesOfItsFileButNotTheCountsOrHeldProblemTexts) {
    node(3000, 3000, {"", ""});
    data.placeList = "1#Leeds\r\n";
    data.shopCount = 7;
    data.fixmeList = "file fixmes";
    data.noteList = "file notes";
    data.countCaptions[3] = 9;
    writeProject();
    core::MapData& d = map().d;
    d.sizeNodes(1);
    d.nodeName[1] = "stale";
    d.placeList = "5#Old Town\r\n";
    d.hiddenAreaList = "held areas";
    d.fixmeList = "held fixmes";
    d.noteList = "held notes";
    redraw(map());
    EXPECT_EQ(d.placeList, "1#Leeds\r\n");
    EXPECT_EQ(d.nodeName[1], "");
    EXPECT_EQ(d.shopCount, 1);
    EXPECT_EQ(d.hiddenAreaList, "held areas");
    EXPECT_EQ(d.fixmeList, "held fixmes");
    EXPECT_EQ(d.noteList, "held notes");
    EXPECT_EQ(d.countCaptions[3], 0);
    EXPECT_TRUE(map().g.reloadTrailer);

    d.hiddenAreaList.clear();
    redraw(map());
    EXPECT_EQ(d.fixmeList, "file fixmes");
    EXPECT_EQ(d.noteList, "held notes");
}

} // namespace
} // namespace render::testing
