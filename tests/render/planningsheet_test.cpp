// The Planning Sheet, drawn from a project file and probed pixel by pixel: the white sheet, the
// greyed and masked areas, the line widths, the repeat, the street names, the POIs once, the
// window left usable on every way out, and the reload that keeps what the sheet must not take.

#include "basic/fault.h"
#include "core/mapredraw.h"
#include "drawing_fixture.h"
#include "platform/canvas_test_support.h"
#include "render/mapstyle.h"
#include "render/planningsheet.h"
#include "window/redrawrequest.h"

#include <algorithm>
#include <string>
#include <vector>

namespace render::testing {
namespace {

using basic::rgb;
using platform::canvastest::countColour;

const Long kOutline = rgb(10, 20, 30);
const Long kWhite = basic::qbColor(15);
const Long kBlue = rgb(0, 0, 255);
const Long kNameGrey = rgb(82, 82, 82);

class SheetTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        map().data.mapMode = 2;
        map().legendPanel.Check1.setValue(0);
        map().global.settings.patternFill = 1;
    }

    // A closed square area with its top-left corner at (x, y) and its label point at its centre.
    Long square(double x, double y, double side, double fill, double colour = 0) {
        const Long a = node(x, y);
        const Long c = node(x + side, y + side);
        const auto centre = static_cast<float>(side / 2);
        const Long i = way({.nodes = {a, node(x + side, y), c, node(x, y + side), a},
                            .colour = colour,
                            .drawColour = kOutline,
                            .labelX = static_cast<float>(x) + centre,
                            .labelY = static_cast<float>(y) + centre,
                            .fill = fill});
        data.areaList += std::to_string(i) + "#";
        return i;
    }

    int count(Long colour) { return countColour(p1().image(), colour); }
    // The pixels of `colour` in the 1-pixel strip from (x, y), `length` long, down or across.
    int strip(Long colour, int x, int y, int length, bool down) {
        return countColour(p1().image().copy(x, y, down ? 1 : length, down ? length : 1), colour);
    }
    std::size_t messages() { return dialogs().shown().size(); }
};

// Pattern fill on: a building shows tile 22 in colour, a tile-5 area the mask of tile 5, both
// aligned to the picture's origin; off: the grey of the area's colour, or of its outline's.
TEST_F(SheetTest, PatternAreasShowTheirTileMaskOrGrey) {
    const Long building = square(2400, 2400, 600, rgb(188, 169, 169));
    square(4200, 2400, 600, 5);
    draw();
    EXPECT_EQ(pixel(5, 5), kWhite);
    EXPECT_EQ(map().data.wayFill[static_cast<std::size_t>(building)], 22);
    const QImage& colour = map().stores.picTile[22].picture();
    const QImage& masked = map().stores.picTile[5].picture();
    int black = 0;
    for (int y = 805; y < 995; ++y)
        for (int x = 805; x < 995; ++x) {
            ASSERT_EQ(pixel(x, y), platform::fromQRgb(colour.pixel(x % colour.width(), y % colour.height())));
            const bool key =
                masked.pixel((x + 600) % masked.width(), y % masked.height()) == masked.pixel(1, 1);
            ASSERT_EQ(pixel(x + 600, y), key ? kWhite : 0);
            black += !key;
        }
    EXPECT_GT(black, 0);

    clearMap();
    map().global.settings.patternFill = 0;
    square(2400, 2400, 600, 5, rgb(50, 50, 50));
    square(4200, 2400, 600, 5, 30); // too dark to be its own colour
    draw();
    EXPECT_EQ(at(2700, 2700), rgb(150, 150, 150));
    EXPECT_EQ(at(4500, 2700), rgb(120, 120, 120)); // the grey of RGB(10,20,30)
}

TEST_F(SheetTest, AfterTheRepeatAColourAreasOutlineIsThreePixelsInItsFill) {
    const Long fill = rgb(200, 100, 50);
    square(3000, 3000, 600, fill);
    draw();
    EXPECT_EQ(count(kOutline), 0);
    EXPECT_EQ(strip(fill, 995, 1100, 11, false), 3); // across the left edge at pixel column 1000
    EXPECT_EQ(pixel(1100, 1100), kWhite);            // outlined only
}

// A way of width 10 on a layer: the general pass draws its line over the outer line of the
// all-ways pass, whose width stops at 13.
TEST_F(SheetTest, AWayOfWidth10Is2PixelsIn7AtZoom14And5In13At56) {
    const struct {
        float zoom;
        int inner, outer;
    } rows[] = {{1.4f, 2, 7}, {5.6f, 5, 13}};
    for (const auto& row : rows) {
        clearMap();
        map().global.viewZoom = row.zoom;
        const double y = 3000 / row.zoom; // pixel row 1000
        way({.nodes = {node(2400 / row.zoom, y), node(3600 / row.zoom, y)},
             .width = 10,
             .colour = kBlue,
             .layer = 1,
             .drawColour = kOutline});
        draw();
        EXPECT_EQ(strip(kBlue, 1000, 980, 41, true), row.inner) << row.zoom;
        EXPECT_EQ(strip(kOutline, 1000, 980, 41, true), row.outer - row.inner) << row.zoom;
    }
}

// The first run draws only what reaches the top corners until they show whether it is wiped by a
// repeat; a corner it inks keeps its whole picture, drawn once.
TEST_F(SheetTest, AFirstRunThatInksACornerIsTheWholePicture) {
    way({.nodes = {node(0, 9), node(300, 9)}, .width = 10, .colour = kBlue});
    way({.nodes = {node(2400, 3000), node(3600, 3000)}, .colour = kBlue});
    writeProject();
    std::vector<std::string> steps;
    core::drawMap(map(), [&](std::string_view step) { steps.emplace_back(step); });
    EXPECT_EQ(pixel(3, 3), kBlue);
    EXPECT_EQ(pixel(1000, 1000), kBlue);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "general ways"), 1);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "general ways again"), 0);
}

TEST_F(SheetTest, EveryNodeUpToTheLastIsDrawnAndNoLineReachesNodeZero) {
    way({.nodes = {node(2400, 3000), node(3000, 3000), node(3000, 3600)}, .colour = kBlue});
    draw();
    EXPECT_EQ(messages(), 0u);           // list A empty, lists B and C "#"
    EXPECT_EQ(pixel(1000, 1100), kBlue); // on the segment to the last node
    const QImage& image = p1().image();
    EXPECT_EQ(countColour(image.copy(790, 990, 221, 221), kBlue), count(kBlue));
}

TEST_F(SheetTest, AuthorsAreLabelledAtTheOnlySegmentOfATwoNodeWayAndListedOnce) {
    map().global.authorOverlay = -1;
    const Long author = basic::qbColor(9);
    for (const char* user : {"Anna", "Ann"})
        way({.nodes = {node(2400, 3000), node(3000, 3000)}, .colour = kOutline, .user = user});
    // Far beside the picture a way is still labelled, and its author listed.
    way({.nodes = {node(-9000, 3000), node(-8400, 3000)}, .colour = kOutline, .user = "Bob"});
    draw();
    draw();
    // The label's text, and nothing else, is in the author colour, from the segment's end on.
    EXPECT_GT(count(author), 0);
    EXPECT_EQ(countColour(p1().image().copy(1000, 1000, 60, 20), author), count(author));
    const platform::ListBox& authors = map().legendPanel.List1;
    ASSERT_EQ(authors.listCount(), 3);
    EXPECT_EQ(authors.list(0), "Anna");
    EXPECT_EQ(authors.list(1), "Ann");
    EXPECT_EQ(authors.list(2), "Bob");
}

TEST_F(SheetTest, StreetNamesFromZoom16AtTheirNameNodeForEveryWayOfTheList) {
    auto greyAbove = [&](double x, double y) {
        const int px = static_cast<int>(p1().toPixelX(x));
        const int py = static_cast<int>(p1().toPixelY(y));
        return countColour(p1().image().copy(px - 5, py - 27, 66, 41), kNameGrey);
    };
    for (const auto& [zoom, list] :
         {std::pair{1.5f, "1#2#"}, std::pair{1.6f, "1#"}, std::pair{1.6f, "1#2#"}}) {
        clearMap();
        map().global.viewZoom = zoom;
        map().legendPanel.Check1.setValue(1);
        for (int n = 1; n <= 5; ++n)
            node(1000, 1000);
        node(4000 / zoom, 4000 / zoom);
        node(3000 / zoom, 3000 / zoom);
        for (const Long at : {7, 6})
            way({.nodes = {6, 7}, .name = "Mill Lane", .nameNode = at});
        data.streetNameList = list;
        draw();
        const bool named = zoom > 1.5f;
        EXPECT_EQ(greyAbove(3000, 3000) > 0, named) << zoom << " " << list;
        EXPECT_EQ(greyAbove(4000, 4000) > 0, named && std::string(list) == "1#2#") << zoom << " " << list;
    }
}

TEST_F(SheetTest, ThreePubsInViewAreThreeMarkersAfterOneSheet) {
    map().global.viewZoom = 1.4f;
    for (int k = 0; k < 3; ++k)
        node((3000 + 300 * k) / 1.4f, 3000 / 1.4f, {"PUB#The Swan", "tip"});
    draw();
    EXPECT_EQ(map().data.pbCount, 4);
}

TEST_F(SheetTest, EveryWayOutLeavesTheWindowUsableAndTheNextSheetDraws) {
    way({.nodes = {node(2400, 3000), node(3000, 3000)}, .colour = kBlue});
    writeProject();
    const std::string path = map().global.parsedPath;
    basic::writeFileWhole(path + ".bad", "1.971\r\nnot a map\r\n");
    auto attempt = [&](const std::string& parsedPath, const StepObserver& observer, std::size_t shown) {
        dialogs().scriptMsgBox(platform::msgbox::Ok);
        map().global.parsedPath = parsedPath;
        core::drawMap(map(), observer);
        EXPECT_EQ(messages(), shown) << parsedPath;
        EXPECT_FALSE(map().data.drawBusy);
        EXPECT_TRUE(map().view.p1.enabled());
        EXPECT_TRUE(map().view.p1.visible());
        EXPECT_TRUE(map().view.tm2.enabled());
    };
    attempt("", {}, 0);
    attempt(path + "*", {}, 1);
    attempt(
        path,
        [](std::string_view step) {
            if (step == "general ways") basic::raise(basic::fault::Overflow);
        },
        2);
    attempt(path + ".bad", {}, 3);
    EXPECT_EQ(map().data.nodeCount, 2); // as it was
    attempt(path, {}, 3);
    EXPECT_EQ(pixel(900, 1000), kBlue);
}

TEST_F(SheetTest, RedrawHandsTheWholeCallOverAndShowErrorsBringsTheMarkersBack) {
    node(3000, 3000);
    data.questCount = 2;
    data.questTexts = {"A problem"};
    data.questList = "1#";
    writeProject();
    std::vector<std::string> steps;
    core::drawMap(map(), [&](std::string_view step) { steps.emplace_back(step); });
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "general ways again"), 1);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "problem markers"), 0);
    EXPECT_EQ(steps.back(), "end");
    EXPECT_FALSE(map().markers.quest.exists(2));
    EXPECT_TRUE(map().data.questList.empty());

    map().global.settings.backColour = rgb(241, 238, 232);
    mn_Click(map(), 0);
    EXPECT_TRUE(map().markers.quest.exists(2));
    EXPECT_EQ(pixel(5, 5), rgb(241, 238, 232));
}

TEST_F(SheetTest, TheReloadTakesThePlacesOfItsFileButNotTheCountsOrHeldProblemTexts) {
    node(3000, 3000);
    data.placeList = "1#Leeds\r\n";
    data.shopCount = 7;
    data.fixmeList = "file fixmes";
    data.noteList = "file notes";
    data.countCaptions[3] = 9;
    writeProject();
    core::MapData& d = map().data;
    d.sizeNodes(1);
    d.nodeName[1] = "stale";
    d.placeList = "5#Old Town\r\n";
    d.hiddenAreaList = "held areas";
    d.fixmeList = "held fixmes";
    d.noteList = "held notes";
    core::redrawMap(map());
    EXPECT_EQ(d.placeList, "1#Leeds\r\n");
    EXPECT_EQ(d.nodeName[1], "");
    EXPECT_EQ(d.shopCount, 1);
    EXPECT_EQ(d.hiddenAreaList, "held areas");
    EXPECT_EQ(d.fixmeList, "held fixmes");
    EXPECT_EQ(d.noteList, "held notes");
    EXPECT_EQ(d.countCaptions[3], 0);
    EXPECT_TRUE(map().global.reloadTrailer);

    d.hiddenAreaList.clear();
    core::redrawMap(map());
    EXPECT_EQ(d.fixmeList, "file fixmes");
    EXPECT_EQ(d.noteList, "held notes");
}

} // namespace
} // namespace render::testing
