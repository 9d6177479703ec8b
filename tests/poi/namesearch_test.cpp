// The name search: what it lists, where it puts its arrows, how it ends, and what it does when
// it must not run.

#include "basic/numtext.h"
#include "namesearch_fixture.h"
#include "poi/namesearch.h"
#include "poi/namesearch_text.h"
#include "poi/searcharrows.h"
#include "poi/unloadpois.h"
#include "window/redrawrequest.h"

#include <QTimer>

namespace poi::testing {
namespace {

using core::kNameSearch;

class NameSearchTest : public SearchTest {
protected:
    static void type(core::MapWindow& map, const std::string& text) {
        map.search.Text3[kNameSearch].setText(text);
    }
    static std::vector<std::string> hits(const core::MapWindow& map) {
        return items(map.search.List3[kNameSearch]);
    }
};

TEST_F(NameSearchTest, ListsWordMatchesOfNodesStreetsAndLabels) {
    core::MapWindow& map = opened();
    type(map, "bar");
    Command1_Click(map);
    // Nodes in node order, then streets, then labels equal to the text; not "Crowbar".
    EXPECT_EQ(hits(map), (std::vector<std::string>{"The Bar", "Barley Mow", "XBar", "Crowbar Bar",
                                                   "Barnet Rd", "Old Bar St", "Bar"}));
    EXPECT_EQ(map.data.pointrCount, 0); // "Search" places no arrow
    EXPECT_EQ(loadedArrows(map), 0);
    EXPECT_EQ(map.data.pointrList, "#$");
    EXPECT_FLOAT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_FALSE(map.data.drawBusy);
    EXPECT_EQ(messages(), 0u);
}

TEST_F(NameSearchTest, ArrowsMarkEveryHitAndTheRedrawPlacesThemAtTheRestoredZoom) {
    core::MapWindow& map = opened();
    type(map, "bar");
    gosearch(map, true);
    // Node hits, street hits at their name nodes, then "$" and the label hits.
    EXPECT_EQ(map.data.pointrList, "#1#2#4#7#11#10#$1$");
    EXPECT_EQ(map.data.pointrCount, 7);
    EXPECT_EQ(loadedArrows(map), 7);
    EXPECT_EQ(map.markers.pointr[5].tag(), "Barnet Rd");
    EXPECT_EQ(map.markers.pointr[1].tag(), "");
    EXPECT_FLOAT_EQ(map.global.viewZoom, 1.4f);

    const platform::ImageControl& model = map.markers.pointr[0];
    const int nodeOfArrow[] = {1, 2, 4, 7, 11, 10};
    for (int k = 1; k <= 6; ++k) {
        const size_t n = static_cast<size_t>(nodeOfArrow[k - 1]);
        const platform::ImageControl& arrow = map.markers.pointr[k];
        EXPECT_NEAR(arrow.left(), map.data.nodeX[n] * 1.4 - 1600 + model.width() / 5, 0.01) << k;
        EXPECT_NEAR(arrow.top(), map.data.nodeY[n] * 1.4 - 1320 - 1.2 * model.height(), 0.01) << k;
        EXPECT_TRUE(arrow.visible()) << k;
    }
}

// A hit on an area label has its arrow at the label's point, and every later redraw keeps it
// there under the view of the moment.
TEST_F(NameSearchTest, AnAreaLabelHitsArrowStaysAtTheLabelThroughRedraws) {
    core::MapWindow& map = opened();
    type(map, "green park");
    gosearch(map, true);
    ASSERT_EQ(map.data.pointrList, "#$2$");
    const platform::ImageControl& model = map.markers.pointr[0];
    const platform::ImageControl& arrow = map.markers.pointr[1];
    const auto expectAtLabel = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_NEAR(arrow.left(), 1600 * map.global.viewZoom + map.global.viewOffX + model.width() / 5, 0.01);
        EXPECT_NEAR(arrow.top(), 2600 * map.global.viewZoom + map.global.viewOffY - 1.2 * model.height(),
                    0.01);
        EXPECT_TRUE(arrow.visible());
    };
    expectAtLabel("after the search");
    core::redrawMap(map);
    expectAtLabel("redrawn");
    map.global.viewOffX += 300;
    map.global.viewZoom = 2;
    core::redrawMap(map);
    expectAtLabel("panned and zoomed");
    EXPECT_EQ(messages(), 0u);
}

TEST_F(NameSearchTest, ATwoLetterTextListsNoNodeButStillMarksIt) {
    core::MapWindow& map = opened();
    type(map, "ba");
    gosearch(map, true);
    EXPECT_EQ(hits(map), (std::vector<std::string>{"Barnet Rd", "Old Bar St"}));
    EXPECT_EQ(map.data.pointrList, "#1#2#4#7#11#10#$");
}

TEST_F(NameSearchTest, HighRoadFindsTheAbbreviatedNames) {
    core::MapWindow& map = opened();
    type(map, "high road");
    Command1_Click(map);
    // The node's name is abbreviated and stays so until the next drawing; the street was stored
    // abbreviated.
    EXPECT_EQ(hits(map), (std::vector<std::string>{"High Rd", "High Rd"}));
    EXPECT_EQ(map.data.nodeName[5], "High Rd");
    gosearch(map, true);
    EXPECT_EQ(map.data.pointrList, "#5#12#$");
}

TEST_F(NameSearchTest, AccentedTextFindsTheStoredNames) {
    core::MapWindow& map = opened();
    struct Case {
        const char* typed;
        const char* hit;
    };
    const Case cases[] = {
        {"caf\xC3\xA9", "Cafe Nero"},                                 // the import folded the accent
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "\xC5\x81od\xC5\xBA Hotel"}, // shown as stored
    };
    for (const Case& c : cases) {
        type(map, c.typed);
        Command1_Click(map);
        EXPECT_EQ(hits(map), std::vector<std::string>{c.hit}) << c.typed;
    }
}

TEST_F(NameSearchTest, AnEmptySearchSaysNo) {
    core::MapWindow& map = opened();
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    type(map, "");
    Command1_Click(map);
    ASSERT_EQ(messages(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "no");
    EXPECT_EQ(map.data.pointrList, "#");
}

TEST_F(NameSearchTest, EnterInTheBoxSearches) {
    core::MapWindow& map = opened();
    type(map, "mary");
    Text3_KeyPress(map, 'a');
    EXPECT_TRUE(hits(map).empty());
    Text3_KeyPress(map, 13);
    EXPECT_EQ(hits(map), std::vector<std::string>{"St Mary"});
}

TEST_F(NameSearchTest, DoesNothingWhileBusy) {
    core::MapWindow& map = opened();
    map.search.List3[kNameSearch].addItem("earlier hit");
    type(map, "high road");
    map.data.drawBusy = true;
    gosearch(map, true);
    map.data.drawBusy = false;
    map.data.mapLoading = true;
    gosearch(map, true);
    map.data.mapLoading = false;
    EXPECT_EQ(hits(map), std::vector<std::string>{"earlier hit"});
    EXPECT_EQ(map.data.nodeName[5], "High Road"); // as the drawing read it: not searched
    EXPECT_EQ(map.data.pointrCount, 0);
    EXPECT_EQ(messages(), 0u);
}

TEST_F(NameSearchTest, WithoutAProjectFileOnlyTheListIsEmptied) {
    core::MapWindow& map = opened();
    map.search.List3[kNameSearch].addItem("earlier hit");
    type(map, "high road");
    map.global.parsedPath.clear();
    gosearch(map, true);
    EXPECT_TRUE(hits(map).empty());
    EXPECT_EQ(map.data.nodeName[5], "High Road");
    EXPECT_EQ(map.data.pointrCount, 0);
    EXPECT_EQ(messages(), 0u);
}

TEST_F(NameSearchTest, HoldsDrawBusyWhileItYields) {
    core::MapWindow& map = opened();
    type(map, "bar");
    bool busyInside = false;
    QTimer::singleShot(0, [&] { busyInside = map.data.drawBusy; });
    gosearch(map, true);
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(map.data.drawBusy);
}

TEST_F(NameSearchTest, AnUnreadableFileShowsOneMessageAndKeepsTheHits) {
    core::MapWindow& map = opened();
    type(map, "bar");
    gosearch(map, true);
    const std::vector<std::string> before = hits(map);
    basic::writeFileWhole(map.global.parsedPath, " 1.971\r\n 1\r\n");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    type(map, "high road");
    map.search.List3[kNameSearch].setListIndex(0); // a selected hit keeps the list
    gosearch(map, true);
    EXPECT_EQ(messages(), 1u);
    EXPECT_EQ(hits(map), before);
    EXPECT_EQ(map.data.pointrCount, 7);
    EXPECT_EQ(map.data.nodeName[5], "High Road");
    EXPECT_FALSE(map.data.drawBusy);
}

// The search reads the file only up to its street-name list: what follows may be cut off or
// damaged without stopping it (only the drawing that shows the hits, which reads the whole
// file, says the file is damaged, once).
TEST_F(NameSearchTest, DamageAfterTheStreetNamesDoesNotStopASearch) {
    core::MapWindow& map = opened();
    const std::string good = osmimport::projectFileBytes(searchProject(), '"');
    const std::size_t streets = good.find("\r\n1#2#3#\r\n");
    ASSERT_NE(streets, std::string::npos);
    const std::string upToStreets = good.substr(0, streets + 10);
    size_t shown = 0;
    for (const std::string& bytes : {upToStreets, upToStreets + " 5\r\n", upToStreets + "x,y,z\r\n"}) {
        basic::writeFileWhole(map.global.parsedPath, bytes);
        dialogs().scriptMsgBox(platform::msgbox::Ok);
        type(map, "bar");
        gosearch(map, true);
        EXPECT_EQ(messages(), ++shown);
        EXPECT_EQ(map.data.pointrList, "#1#2#4#7#11#10#$1$");
        EXPECT_EQ(hits(map).size(), 7u);
    }
}

TEST_F(NameSearchTest, ARepeatedSearchCentresItsLastHitAtZoom6) {
    core::MapWindow& map = opened();
    type(map, "bar");
    Command1_Click(map);
    const std::vector<std::string> listed = hits(map);
    map.search.List3[kNameSearch].setListIndex(0); // "The Bar"
    List3_DblClick(map, kNameSearch);
    EXPECT_EQ(map.search.Text3[kNameSearch].text(), "The Bar");
    EXPECT_EQ(hits(map), listed);
    EXPECT_EQ(map.search.List3[kNameSearch].listIndex(), 0);
    EXPECT_EQ(map.data.pointrList, "#1#$");
    EXPECT_FLOAT_EQ(map.global.viewZoom, kSearchZoom);
    const ArrowPoint at = arrowPoint(map, map.data.nodeX[1], map.data.nodeY[1]);
    EXPECT_NEAR(at.x, 4200, 0.01);
    EXPECT_NEAR(at.y, 3300, 0.01);
    EXPECT_NEAR(map.markers.pointr[1].left(), 4200, 0.01);
    EXPECT_NEAR(map.markers.pointr[1].top(), 3300, 0.01);
}

TEST_F(NameSearchTest, ARepeatedSearchWithoutHitsRestoresTheZoom) {
    core::MapWindow& map = opened();
    map.search.List3[kNameSearch].addItem("Nowhere");
    map.search.List3[kNameSearch].setListIndex(0);
    List3_DblClick(map, kNameSearch);
    EXPECT_FLOAT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_FLOAT_EQ(map.global.viewOffX, -1600);
    EXPECT_EQ(map.data.pointrCount, 0);
}

TEST_F(NameSearchTest, ANewSearchRemovesTheArrowsOfTheLastOne) {
    core::MapWindow& map = opened();
    type(map, "bar");
    gosearch(map, true);
    ASSERT_EQ(loadedArrows(map), 7);
    type(map, "mary");
    gosearch(map, true);
    EXPECT_EQ(loadedArrows(map), 1);
    EXPECT_EQ(map.data.pointrList, "#9#$");
}

TEST_F(NameSearchTest, UnloadpoisLeavesNoArrow) {
    core::MapWindow& map = opened();
    type(map, "bar");
    gosearch(map, true);
    ASSERT_GT(loadedArrows(map), 0);
    unloadpois(map);
    EXPECT_EQ(loadedArrows(map), 0);
    EXPECT_EQ(map.data.pointrList, "#");
    EXPECT_EQ(map.data.pointrCount, 0);
}

TEST_F(NameSearchTest, ASingleAreaLabelIsSearchedAndNoLabelMeansNoDollar) {
    osmimport::ProjectData one = searchProject();
    one.labels.resize(1);
    one.lab2Count = 1;
    core::MapWindow& map = opened(one);
    type(map, "bar");
    gosearch(map, true);
    EXPECT_EQ(map.data.pointrList, "#1#2#4#7#11#10#$1$");
    EXPECT_EQ(hits(map).back(), "Bar");

    osmimport::ProjectData none = searchProject();
    none.labels.clear();
    none.lab2Count = 0;
    writeProject(map, none);
    gosearch(map, true);
    EXPECT_EQ(map.data.pointrList, "#1#2#4#7#11#10#");
    EXPECT_EQ(hits(map).back(), "Old Bar St");
}

TEST_F(NameSearchTest, StreetEntriesThatAreNoWayArePassedOver) {
    osmimport::ProjectData data = searchProject();
    data.streetNameList = "2#99#-4#x#3#";
    data.wayNameNode[3] = 500; // no node: listed, but no arrow
    core::MapWindow& map = opened(data);
    type(map, "bar");
    gosearch(map, true);
    EXPECT_EQ(messages(), 0u);
    EXPECT_EQ(map.data.pointrList, "#1#2#4#7#11#$1$");
    EXPECT_EQ(hits(map), (std::vector<std::string>{"The Bar", "Barley Mow", "XBar", "Crowbar Bar",
                                                   "Barnet Rd", "Old Bar St", "Bar"}));
}

TEST_F(NameSearchTest, TheSearchTakesTheFileAsItIsNow) {
    core::MapWindow& map = opened();
    osmimport::ProjectData data = searchProject();
    data.nodeName[9] = "Bar Harbour";
    data.streetNameList = "";
    data.labels[1].x = 1700;
    writeProject(map, data);
    type(map, "bar");
    Command1_Click(map);
    EXPECT_EQ(hits(map), (std::vector<std::string>{"The Bar", "Barley Mow", "XBar", "Crowbar Bar",
                                                   "Bar Harbour", "Bar"}));
    EXPECT_EQ(map.data.streetNameList, "");
    EXPECT_EQ(map.markers.List2[0].list(1), basic::dec(osmimport::Double{1700}));
}

} // namespace
} // namespace poi::testing
