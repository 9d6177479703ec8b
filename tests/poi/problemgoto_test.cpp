// From a problem entry to its node: the zoom, the one arrow and the view that brings the node
// to the picture point (4200, 3300).

#include "core/window_fixture.h"
#include "poi/problemgoto.h"
#include "poi/problemlistopen.h"
#include "window/countlabels.h"

namespace poi::testing {
namespace {

class NavigationTest : public core::testing::WindowTest {
protected:
    // A loaded window with nodes 1..40 at (100 + n, 200 + 2n) and the marker lists below.
    core::MapWindow& withMap() {
        core::MapWindow& map = load();
        core::MapData& d = map.data;
        d.sizeNodes(40);
        for (int n = 1; n <= 40; ++n) {
            d.nodeX[static_cast<size_t>(n)] = 100 + n;
            d.nodeY[static_cast<size_t>(n)] = 200 + 2 * n;
        }
        d.questList = "10#20#30#";
        d.chainList = "11#21#";
        d.quotList = "12#22#32#";
        d.amenityList = "5^bench\r\n";
        d.otherNodesList = "6+tree\r\n";
        map.global.viewZoom = 1.4f;
        map.global.viewOffX = -1600;
        map.global.viewOffY = -1320;
        return map;
    }

    // Puts one entry in the panel and chooses it.
    static void choose(core::MapWindow& map, const char* entry, const char* key) {
        core::ProblemPanel& panel = map.problems;
        panel.List4.clear();
        panel.List5.clear();
        panel.List4.addItem(entry);
        panel.List5.addItem(key);
        panel.List4.setListIndex(0);
    }
};

TEST_F(NavigationTest, TheKeyChoosesTheNodeAndTheZoom) {
    core::MapWindow& map = withMap();
    struct Case {
        const char* entry;
        const char* key;
        long long node;
        float zoom;
    };
    const Case cases[] = {
        {"AREA: park", "4#", 30, 5},    // an area entry: piece 4 - 2 of questList
        {"highway=road", "2#", 10, 10}, // any other "?" entry
        {"gap", "3$", 21, 9},
        {"empty tag", "2*", 12, 10},
        {"bench", "5^", 5, 10},
        {"tree", "6+", 6, 10},
        {"both", "3$4#", 20, 10}, // "#" is tested first
        {"none", "7", 0, 0},
        {"past the list", "9#", 0, 10},
        {"before the list", "1$", 0, 9},
    };
    for (const Case& c : cases) {
        const ProblemTarget target = problemTarget(map, c.key, c.entry);
        EXPECT_EQ(target.node, c.node) << c.key;
        EXPECT_EQ(target.zoom, c.zoom) << c.key;
    }
}

TEST_F(NavigationTest, AFixmeEntryLeadsToItsNodeWhenThereAreNoAmenities) {
    core::MapWindow& map = withMap();
    map.data.amenityList.clear();
    map.data.fixmeList = "8^x\r\n";
    EXPECT_EQ(problemTarget(map, "8^", "x").node, 8);
    map.data.fixmeList.clear();
    EXPECT_EQ(problemTarget(map, "8^", "x").node, 0);
    map.data.otherNodesList.clear();
    EXPECT_EQ(problemTarget(map, "6+", "tree").node, 0);
}

TEST_F(NavigationTest, ADoubleClickBringsTheNodeToTheTargetPointWithOneArrow) {
    core::MapWindow& map = withMap();
    core::ImageArray& arrows = map.markers.pointr;
    // Arrows of an earlier search.
    for (int i = 1; i <= 3; ++i)
        arrows.load(i);
    map.data.pointrCount = 3;
    map.data.pointrList = "#1#2#$4$";
    choose(map, "AREA: wood", "4#");
    List4_DblClick(map);

    EXPECT_EQ(map.global.viewZoom, 5.0f);
    EXPECT_EQ(map.data.pointrCount, 1);
    EXPECT_EQ(map.data.pointrList, "#30#");
    EXPECT_TRUE(arrows.exists(1));
    EXPECT_FALSE(arrows.exists(2));
    EXPECT_FALSE(arrows.exists(3));
    const platform::ImageControl& model = arrows[0];
    const double tipX = 130 * map.global.viewZoom + map.global.viewOffX + model.width() / 5;
    const double tipY = 260 * map.global.viewZoom + map.global.viewOffY - model.height() * 1.2;
    EXPECT_NEAR(tipX, 4200, 0.01);
    EXPECT_NEAR(tipY, 3300, 0.01);
    EXPECT_FALSE(map.view.p2.visible());
}

TEST_F(NavigationTest, ANodeKeyShowsPlacesOfWorshipAndEndsHide) {
    core::MapWindow& map = withMap();
    for (const char* key : {"5^", "7"}) {
        map.data.catShown[0] = basic::vbFalse;
        map.data.poiReplot = true;
        map.global.viewZoom = 1.4f;
        choose(map, "x", key);
        List4_DblClick(map);
        EXPECT_EQ(map.data.catShown[0], basic::vbTrue) << key;
        EXPECT_FALSE(map.data.poiReplot) << key;
    }
    // The unmarked key goes nowhere.
    EXPECT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_EQ(map.data.pointrCount, 1);
}

TEST_F(NavigationTest, AnEntryThatLeadsToNoNodeChangesNothing) {
    core::MapWindow& map = withMap();
    map.data.questList = "10#99#0#x#";
    for (const char* key : {"3#", "4#", "5#", "9#", "41+", "0+", "-2^"}) {
        choose(map, "AREA", key);
        List4_DblClick(map);
        EXPECT_EQ(map.global.viewZoom, 1.4f) << key;
        EXPECT_EQ(map.global.viewOffX, -1600.0f) << key;
        EXPECT_EQ(map.data.pointrCount, 0) << key;
        EXPECT_EQ(map.data.pointrList, "#") << key;
    }
}

TEST_F(NavigationTest, NothingWithoutAChosenEntryOrWhileBusy) {
    core::MapWindow& map = withMap();
    choose(map, "x", "2#");
    map.problems.List4.setListIndex(-1);
    List4_DblClick(map);
    EXPECT_EQ(map.global.viewZoom, 1.4f);
    map.problems.List4.setListIndex(0);
    map.data.drawBusy = true;
    List4_DblClick(map);
    EXPECT_EQ(map.global.viewZoom, 1.4f);
}

TEST_F(NavigationTest, APlatformEntrySwitchesTheStationsOn) {
    core::MapWindow& map = withMap();
    core::showCount(map, 23, 2);
    map.data.catShown[22] = basic::vbTrue;
    map.data.catShown[18] = basic::vbFalse; // recycling is not the stations' category
    choose(map, "Platform 2", "2#");
    List4_DblClick(map);
    EXPECT_EQ(map.data.catShown[22], basic::vbTrue);
    EXPECT_EQ(map.data.catShown[18], basic::vbFalse);
}

TEST_F(NavigationTest, PressingAnEntryShowsItWhole) {
    core::MapWindow& map = withMap();
    choose(map, "a long entry", "2#");
    List4_MouseDown(map);
    EXPECT_EQ(map.problems.Text1.text(), "a long entry");
    EXPECT_TRUE(map.problems.Text1.visible());
}

TEST_F(NavigationTest, ClearingRemovesEveryArrow) {
    core::MapWindow& map = withMap();
    core::ImageArray& arrows = map.markers.pointr;
    for (int i : {1, 2, 5})
        arrows.load(i);
    map.data.pointrCount = 1; // fewer than are loaded
    map.data.pointrList = "#3#";
    pointr_MouseDown(map);
    for (int i : {1, 2, 5})
        EXPECT_FALSE(arrows.exists(i)) << i;
    EXPECT_TRUE(arrows.exists(0));
    EXPECT_EQ(map.data.pointrCount, 0);
    EXPECT_EQ(map.data.pointrList, "#");
    EXPECT_FALSE(map.view.p2.visible());
}

} // namespace
} // namespace poi::testing
