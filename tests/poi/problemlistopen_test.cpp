// The problem buttons open the one panel on their list, and a file load opens the same kind of
// list again.

#include "core/window_fixture.h"
#include "poi/problemadvice.h"
#include "poi/problemgoto.h"
#include "poi/problemlistopen.h"

#include <QAbstractItemView>

namespace poi::testing {
namespace {

using core::testing::WindowTest;

struct Opener {
    const char* title;
    const char* explanation;
    basic::Integer listKind; // -1: left as it was
    void (*open)(core::MapWindow& map);
};

const Opener kOpeners[] = {
    {"Amenities without icons", "Entries may be non-standard or wrongly tagged as amenities", 3,
     [](core::MapWindow& m) { amen_MouseDown(m, 1); }},
    {"Highways not joined", "Highway is not connected. Ignore if at the end of the map", -1,
     [](core::MapWindow& m) { chain_Click(m, 1); }},
    {"Areas not closed", "Arrow points to node not connected.", 7, chaina_Click},
    {"FIXMEs", "This list needs to be checked out.", 2, Image10_Click},
    {"Notes", "These nodes have been annotated.", 9, Image11_Click},
    {"Areas not displayed", "", 1, Image2_Click},
    {"Other Nodes", "Change maximum parsed (50) in Preferences", 4, shape12_Click},
    {"Highways not displayed", "Type of highway not defined", 5,
     [](core::MapWindow& m) { quest_Click(m, 1); }},
    {"Empty Tags", "Node contains an empty tag", 8, [](core::MapWindow& m) { quot_MouseDown(m, 0); }},
};

TEST_F(WindowTest, EachOpenerShowsItsTitleExplanationAndRecordsItsKind) {
    core::MapWindow& map = load();
    for (const Opener& o : kOpeners) {
        map.data.listKind = 6;
        map.problems.frame4.setVisible(false);
        o.open(map);
        EXPECT_EQ(map.problems.Label8.caption(), o.title);
        EXPECT_EQ(map.problems.Label11.caption(), o.explanation) << o.title;
        EXPECT_EQ(map.data.listKind, o.listKind == -1 ? 6 : o.listKind) << o.title;
        EXPECT_TRUE(map.problems.frame4.visible()) << o.title;
    }
}

TEST_F(WindowTest, OtherNodesShowsTheLimitWithoutABlank) {
    core::MapWindow& map = load();
    map.global.settings.maxGreenNodes = 1200;
    shape12_Click(map);
    EXPECT_EQ(map.problems.Label11.caption(), "Change maximum parsed (1200) in Preferences");
}

TEST_F(WindowTest, OpenersPrepareTheirListAndKeepThePreparedText) {
    core::MapWindow& map = load();
    core::MapData& d = map.data;
    d.fixmeList = "12+<tag k=\"fixme\" v=\"check\"/>\r\n40#<way>node>x</way>\r\n";
    Image10_Click(map);
    EXPECT_EQ(d.fixmeList, "12+ fixme check\r\n40#x\r\n");
    ASSERT_EQ(map.problems.List4.listCount(), 2);
    EXPECT_EQ(map.problems.List4.list(0), "fixme check");
    EXPECT_EQ(map.problems.List5.list(1), "40#");

    d.amenityList = "7^\"bench\" name\r\n";
    amen_MouseDown(map, 1);
    EXPECT_EQ(d.amenityList, "7^bench \r\n");

    d.unclosedAreaList = "3$<tag k=\"landuse\" v=\"grass\"/> area yes\r\n";
    chaina_Click(map);
    EXPECT_EQ(d.unclosedAreaList, "3$ landuse grass/> \r\n");

    d.hiddenAreaList = "5#AREA:<tag k='leisure'  v=\"garden\"/>    x\r\n";
    Image2_Click(map);
    EXPECT_EQ(d.hiddenAreaList, "5# leisure garden  x\r\n");

    d.areaRecordList = "4#<tag k=\"highway\" v=\"road\"/></way>\r\n";
    quest_Click(map, 1);
    EXPECT_EQ(d.areaRecordList, "4# highway road/way>\r\n");
    EXPECT_EQ(map.problems.List4.list(0), "highway road/way>");

    d.noteList = "9+note k=\"x\"\r\n";
    Image11_Click(map);
    EXPECT_EQ(d.noteList, "9+note k=\"x\"\r\n");
}

// The list keeps the text as stored; the screen shows the entities as their characters.
TEST_F(WindowTest, ProblemTextsShowEntitiesAsTheirCharacters) {
    core::MapWindow& map = load();
    map.data.fixmeList = "12+<tag k=\"fixme\" v=\"&quot;Rose &amp; Crown&quot;\"/>\r\n";
    Image10_Click(map);
    ASSERT_EQ(map.problems.List4.listCount(), 1);
    EXPECT_EQ(map.problems.List4.list(0), "fixme &quot;Rose &amp; Crown&quot;");
    auto* view = qobject_cast<QAbstractItemView*>(map.problems.List4.widget());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), QString("fixme \"Rose & Crown\""));
}

TEST_F(WindowTest, EmptyTagsAreRebuiltFromTheirMarkers) {
    core::MapWindow& map = load();
    map.data.emptyTagList = "stale\r\n";
    map.markers.quot.load(2).setTag("<tag k='highway' v='track'/><tag k='name' v=''/>");
    map.data.quotCount = 2;
    quot_MouseDown(map, 1);
    EXPECT_EQ(map.data.emptyTagList, "2*track\r\n");
    ASSERT_EQ(map.problems.List4.listCount(), 1);
    EXPECT_EQ(map.problems.List4.list(0), "track");
    EXPECT_EQ(map.problems.List5.list(0), "2*");
}

TEST_F(WindowTest, ThePanelStandsBesideItsButtonAboveTheStatusBar) {
    core::MapWindow& map = load();
    platform::Frame& panel = map.problems.frame4;
    const double stripTop = map.strips.Frame3[core::kLeftStrip].top();
    chaina_Click(map);
    EXPECT_DOUBLE_EQ(panel.top(), stripTop + map.strips.chaina.top());
    Image10_Click(map);
    EXPECT_LE(panel.top() + panel.height(), core::testing::kStatusTop);
    EXPECT_LE(panel.top(), stripTop + map.strips.Image10.top());
    // "Highways not joined" only comes to the front.
    panel.setTop(123);
    chain_Click(map, 0);
    EXPECT_EQ(panel.top(), 123);
}

TEST_F(WindowTest, NoPanelWhileBusy) {
    core::MapWindow& map = load();
    map.data.mapLoading = true;
    map.data.fixmeList = "1+a\r\n";
    Image10_Click(map);
    EXPECT_FALSE(map.problems.frame4.visible());
    EXPECT_EQ(map.data.listKind, 0);
}

// While a file loads or the map is drawn, a press on a marker, an entry or a close label does
// nothing: no message, no panel, no change.
TEST_F(WindowTest, MarkerAndPanelHandlersWaitWhileBusy) {
    core::MapWindow& map = load();
    map.markers.quest.load(2).setTag("highway");
    map.markers.quot.load(2).setTag("k=a");
    map.markers.chain.load(2).setTag("gap");
    map.markers.shape1.load(2).setTag("<tag k='a'/>");
    map.markers.pointr.load(1);
    map.data.pointrCount = 1;
    map.problems.List4.addItem("entry");
    map.problems.List4.setListIndex(0);
    map.problems.frame4.setVisible(true);
    void (*const handlers[])(core::MapWindow&) = {
        [](core::MapWindow& m) { quest_Click(m, 2); },
        [](core::MapWindow& m) { quot_MouseDown(m, 2); },
        [](core::MapWindow& m) { chain_Click(m, 2); },
        [](core::MapWindow& m) { shape1_MouseDown(m, 2); },
        [](core::MapWindow& m) { quest_Click(m, 1); },
        [](core::MapWindow& m) { amen_MouseDown(m, 1); },
        [](core::MapWindow& m) { Label1_Click(m, 0); },
        List4_MouseDown,
        pointr_MouseDown,
    };
    for (bool loading : {true, false}) {
        map.data.mapLoading = loading;
        map.data.drawBusy = !loading;
        for (auto handler : handlers)
            handler(map);
    }
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_TRUE(map.problems.frame4.visible());
    EXPECT_EQ(map.problems.Label8.caption(), "Amenities without icons:");
    EXPECT_FALSE(map.problems.Text1.visible());
    EXPECT_EQ(map.data.pointrCount, 1);
    EXPECT_TRUE(map.markers.pointr.exists(1));
}

TEST_F(WindowTest, EachButtonIsConnectedToItsList) {
    core::MapWindow& map = load();
    connectProblemPanel(map);
    core::SideStrips& s = map.strips;
    const std::pair<platform::Control*, const char*> buttons[] = {
        {&s.Image2, "Areas not displayed"},
        {&s.chaina, "Areas not closed"},
        {&s.Image10, "FIXMEs"},
        {&s.Image11, "Notes"},
        {&s.shape12, "Other Nodes"},
        {&map.markers.quest[1], "Highways not displayed"},
        {&map.markers.chain[1], "Highways not joined"},
    };
    for (const auto& [button, title] : buttons) {
        button->raiseClick();
        EXPECT_EQ(map.problems.Label8.caption(), title);
    }
    map.markers.quot[1].raiseMouseDown(platform::kRightButton, 0, 0, 0);
    EXPECT_EQ(map.problems.Label8.caption(), "Empty Tags");
    map.markers.amen[1].raiseMouseDown(platform::kLeftButton, 0, 0, 0);
    EXPECT_EQ(map.problems.Label8.caption(), "Amenities without icons");
}

TEST_F(WindowTest, CloseLabelsHideTheirPanels) {
    core::MapWindow& map = load();
    connectProblemPanel(map);
    map.problems.frame4.setVisible(true);
    map.search.Frame9.setVisible(true);
    map.search.Frame10.setVisible(true);
    map.problems.Label1[5].raiseClick();
    EXPECT_FALSE(map.search.Frame9.visible());
    EXPECT_TRUE(map.problems.frame4.visible());
    map.problems.Label1[0].raiseClick();
    EXPECT_FALSE(map.problems.frame4.visible());
    map.problems.Label1[6].raiseClick();
    EXPECT_FALSE(map.search.Frame10.visible());
    map.problems.frame4.setVisible(true);
    map.problems.frame4.raiseMouseDown(platform::kLeftButton, 0, 10, 10);
    EXPECT_FALSE(map.problems.frame4.visible());
}

} // namespace
} // namespace poi::testing
