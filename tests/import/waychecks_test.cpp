// The checks after a way's classification: construction, access, relation members, buildings,
// bridges, tunnels, one-way arrows, bus-stop import lines and the "?" markers.

#include "wayphase_fixture.h"

namespace osmimport::testing {
namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;
using WayCheckTest = WayPhaseTest;

TEST_F(WayCheckTest, ARoadUnderConstructionKeepsItsColourAsOutline) {
    ASSERT_EQ(readWays(way("1", {"1", "2"},
                           {{"highway", "residential"}, {"name", "A"}, {"construction", "minor"}})),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.wayLineStyleColour[1], wayRgb(255, 255, 255));
    EXPECT_EQ(data.wayColour[1], wayRgb(226, 248, 255));
    EXPECT_EQ(data.wayWidth[1], 7);
    EXPECT_EQ(data.wayLineStyle[1], 0);
    EXPECT_EQ(data.wayLayer[1], 2);
}

TEST_F(WayCheckTest, AccessChangesTheLookOfLinedWays) {
    struct Case {
        const char* what;
        Tags tags;
        Double colour;
        Double outline;
        Integer width;
        Integer layer;
    };
    const Double white = wayRgb(255, 255, 255);
    const Double red = wayRgb(255, 0, 0);
    const std::vector<Case> cases = {
        {"private, drawn thin",
         {{"highway", "footway"}, {"access", "private"}},
         wayRgb(255, 239, 238),
         wayRgb(247, 186, 210),
         2,
         6},
        {"private, drawn wide",
         {{"highway", "residential"}, {"name", "A"}, {"access", "private"}},
         wayRgb(255, 239, 238),
         wayRgb(247, 186, 210),
         2,
         3},
        {"access no",
         {{"highway", "residential"}, {"name", "A"}, {"access", "no"}},
         wayRgb(255, 239, 238),
         wayRgb(247, 186, 210),
         2,
         3},
        {"permissive, drawn thin",
         {{"highway", "footway"}, {"access", "permissive"}},
         red,
         wayRgb(229, 255, 204),
         2,
         6},
        {"permissive, drawn wide",
         {{"highway", "residential"}, {"name", "A"}, {"access", "permissive"}},
         white,
         wayRgb(229, 255, 204),
         4,
         1},
        {"access yes",
         {{"highway", "residential"}, {"name", "A"}, {"access", "yes"}},
         white,
         wayRgb(180, 180, 180),
         4,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        data = ProjectData{};
        ASSERT_EQ(readWays(way("1", {"1", "2"}, c.tags)), WayPhaseEnd::Done);
        EXPECT_EQ(data.wayColour[1], c.colour);
        EXPECT_EQ(data.wayLineStyleColour[1], c.outline);
        EXPECT_EQ(data.wayWidth[1], c.width);
        EXPECT_EQ(data.wayLayer[1], c.layer);
    }
}

const std::string kMemberOf10 =
    " <relation id=\"900\"><member type=\"way\" ref=\"10\" role=\"outer\"/></relation>\n";

TEST_F(WayCheckTest, AnUntaggedClosedRelationMemberIsFilledWithTheBackground) {
    ASSERT_EQ(readWays(way("10", {"1", "2", "3", "4", "1"}, {}) +
                       way("11", {"1", "6"}, {{"highway", "residential"}, {"name", "A"}}) + kMemberOf10),
              WayPhaseEnd::Done);
    EXPECT_EQ(phase->lists().unstyledAreaList, "#1#");
    EXPECT_EQ(data.wayFill[1], settings.backColour);
    EXPECT_EQ(data.wayLineStyleColour[1], settings.backColour);
    EXPECT_EQ(data.wayLayer[1], 2);
    EXPECT_EQ(data.wayColour[1], wayRgb(20, 20, 20));
    EXPECT_EQ(data.wayFillArg[1], 4);
    EXPECT_GT(data.wayLabelX[1], 0); // the flood fill's seed
    EXPECT_EQ(data.questCount, 1);
    phase->prepareProjectFile(data);
    EXPECT_NE(("#" + data.areaList).find("#1#"), std::string::npos) << data.areaList;
}

TEST_F(WayCheckTest, AnUntaggedOpenRelationMemberIsAnUnknownHighway) {
    ASSERT_EQ(readWays(way("10", {"1", "2", "3"}, {}) +
                       way("11", {"1", "6"}, {{"highway", "residential"}, {"name", "A"}}) + kMemberOf10),
              WayPhaseEnd::Done);
    EXPECT_EQ(phase->lists().unstyledAreaList, "#");
    EXPECT_EQ(data.wayFill[1], 0);
    EXPECT_EQ(data.wayColour[1], 0);
    // The "?" marker at the node after the middle reference (3 / 2 = 1: node 3).
    EXPECT_EQ(data.questList, "3#");
    EXPECT_EQ(data.questTexts, std::vector<std::string>{"highway unknown"});
    EXPECT_EQ(sink.captions[kQuestCaption], 2);
    EXPECT_EQ(data.questAreaCount, 0);
}

TEST_F(WayCheckTest, OnlyAWayMemberOfARelationIsAMember) {
    // Id 1 occurs in the next way's reference to node 1, id 77 in the relation's id 5770 and in
    // a node member: neither makes a member.
    const std::string relation5770 = " <relation id=\"5770\"><member type=\"node\" ref=\"77\" role=\"\"/>"
                                     "<member type=\"way\" ref=\"2\" role=\"\"/></relation>\n";
    ASSERT_EQ(
        readWays(way("1", {"1", "2", "3", "4", "1"}, {}) + way("2", {"1", "6"}, {{"highway", "service"}})),
        WayPhaseEnd::Done);
    EXPECT_EQ(phase->lists().unstyledAreaList, "#");
    data = ProjectData{};
    ASSERT_EQ(readWays(way("77", {"1", "2", "3", "4", "1"}, {}) + relation5770), WayPhaseEnd::Done);
    EXPECT_EQ(phase->lists().unstyledAreaList, "#");
    data = ProjectData{};
    ASSERT_EQ(readWays(way("10", {"1", "2", "3", "4", "1"}, {})), WayPhaseEnd::Done);
    EXPECT_EQ(phase->lists().unstyledAreaList, "#");
    // A way member counts wherever its relation stands, and for any way, not only the last.
    data = ProjectData{};
    ASSERT_EQ(readWays(way("10", {"1", "2", "3", "4", "1"}, {}) +
                       way("2", {"1", "6"}, {{"highway", "service"}}) + kMemberOf10),
              WayPhaseEnd::Done);
    EXPECT_EQ(phase->lists().unstyledAreaList, "#1#");
    data = ProjectData{};
    ASSERT_EQ(read(osmText(kSquare, std::string(kMemberOf10) + way("10", {"1", "2", "3", "4", "1"}, {}))),
              WayPhaseEnd::Done);
    EXPECT_EQ(phase->lists().unstyledAreaList, "#1#");
}

TEST_F(WayCheckTest, ABuildingIsAnArea) {
    ASSERT_EQ(readWays(way("1", {"1", "2", "3", "4", "1"}, {{"building", "yes"}})), WayPhaseEnd::Done);
    EXPECT_NE(phase->lists().buildingList.find("#1#"), std::string::npos);
    EXPECT_EQ(data.wayColour[1], wayRgb(188, 169, 169));
    EXPECT_EQ(data.wayFill[1], wayRgb(188, 169, 169));
    EXPECT_EQ(data.wayFillArg[1], 2);
    EXPECT_EQ(data.lab2Count, 0); // buildings are not labelled
    phase->prepareProjectFile(data);
    EXPECT_EQ(data.areaList.rfind("1#", 0), 0u) << data.areaList;
}

TEST_F(WayCheckTest, ABridgeIsDrawnAboveWithADarkerDeck) {
    struct Case {
        const char* highway;
        Double deck;
    };
    for (const Case& c :
         {Case{"residential", wayRgb(255, 255, 255)}, Case{"primary", wayRgb(205, 122, 124)}}) {
        SCOPED_TRACE(c.highway);
        data = ProjectData{};
        ASSERT_EQ(readWays(way("1", {"1", "2"}, {{"highway", c.highway}, {"name", "A"}, {"bridge", "yes"}})),
                  WayPhaseEnd::Done);
        EXPECT_EQ(data.wayLayer[1], 11);
        EXPECT_EQ(data.bridgeList, "#1#");
        ASSERT_TRUE(data.wayExtraColour[1].has_value());
        EXPECT_EQ(*data.wayExtraColour[1], c.deck);
        EXPECT_EQ(data.questCount, 1); // a highway bridge has no problem
    }
}

TEST_F(WayCheckTest, ABridgeWithoutHighwayGetsAMarkerAtItsSecondNode) {
    ASSERT_EQ(readWays(way("1", {"1", "5", "2", "6"}, {{"bridge", "yes"}, {"foot", "yes"}})),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.wayLayer[1], 11);
    ASSERT_GE(data.questCount, 2);
    EXPECT_EQ(data.questList.substr(0, 2), "5#");
    EXPECT_EQ(data.questTexts[0], "No highway for bridge.highway unknown");
    EXPECT_EQ(data.nodeUse[5], 1);
}

// The only node of a bridge is where it is told it needs another.
TEST_F(WayCheckTest, ABridgeOfOneNodeNeedsAnotherNode) {
    ASSERT_EQ(readWays(way("1", {"5"}, {{"highway", "residential"}, {"name", "A"}, {"bridge", "yes"}})),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.questList, "5#");
    ASSERT_EQ(data.questTexts.size(), 1u);
    EXPECT_EQ(data.questTexts[0], "Bridge needs another nodehighway unknown");
}

TEST_F(WayCheckTest, ATunnelIsDotted) {
    ASSERT_EQ(readWays(way("1", {"1", "2"}, {{"highway", "residential"}, {"name", "A"}, {"tunnel", "yes"}})),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.wayColour[1], wayRgb(119, 119, 119));
    EXPECT_EQ(data.wayWidth[1], 1);
    EXPECT_EQ(data.wayLineStyle[1], 2);
}

TEST_F(WayCheckTest, OneWayArrows) {
    struct Case {
        const char* what;
        std::vector<std::string> refs;
        const char* highway;
        Tags oneway;
        const char* arrows;
    };
    // Nodes 1, 5, 2 and 6 run east on one row, 100 and 200 map units apart.
    const std::vector<Case> cases = {
        {"four nodes: from node n/2", {"1", "5", "2", "6"}, "residential", {{"oneway", "yes"}}, "6#0$"},
        {"three nodes: the first segment", {"1", "5", "2"}, "residential", {{"oneway", "yes"}}, "5#0$"},
        {"two nodes", {"5", "1"}, "residential", {{"oneway", "1"}}, "1#3.141593$"},
        {"reversed: from the last node", {"1", "5", "2"}, "residential", {{"oneway", "-1"}}, "5#3.141593$"},
        {"true", {"1", "5", "2"}, "residential", {{"oneway", "true"}}, "5#0$"},
        {"not one-way", {"1", "5", "2"}, "residential", {{"oneway", "no"}}, ""},
        {"a dashed line has none", {"1", "5", "2"}, "footway", {{"oneway", "yes"}}, ""},
        // Only the key oneway itself decides, not the keys that begin with it.
        {"only for bicycles", {"1", "5", "2"}, "residential", {{"oneway:bicycle", "yes"}}, ""},
        {"only at times", {"1", "5", "2"}, "residential", {{"oneway:conditional", "yes @ (Mo-Fr)"}}, ""},
        {"key later", {"1", "5", "2"}, "residential", {{"oneway:bicycle", "no"}, {"oneway", "yes"}}, "5#0$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        data = ProjectData{};
        Tags tags{{"highway", c.highway}, {"name", "A"}};
        tags.insert(tags.end(), c.oneway.begin(), c.oneway.end());
        ASSERT_EQ(readWays(way("1", c.refs, tags)), WayPhaseEnd::Done);
        EXPECT_EQ(data.onewayArrowList, c.arrows);
    }
    // Only the oneway tag's own value decides, whatever the tags after it hold.
    for (const auto& later : std::vector<std::pair<std::string, std::string>>{
             {"lit", "yes"}, {"lanes", "1"}, {"bridge", "true"}, {"layer", "-1"}}) {
        SCOPED_TRACE(later.first);
        data = ProjectData{};
        ASSERT_EQ(readWays(way("1", {"1", "5", "2"}, {{"highway", "residential"}, {"oneway", "no"}, later})),
                  WayPhaseEnd::Done);
        EXPECT_EQ(data.onewayArrowList, "");
    }
}

TEST_F(WayCheckTest, AnUnknownLanduseIsAnAreaMarker) {
    ASSERT_EQ(readWays(way("1", {"1", "2", "3", "4", "1"}, {{"landuse", "xyzzy"}})), WayPhaseEnd::Done);
    ASSERT_EQ(data.questCount, 2);
    EXPECT_EQ(data.questTexts[0].rfind("AREA:", 0), 0u) << data.questTexts[0];
    EXPECT_NE(data.questTexts[0].find("xyzzy"), std::string::npos);
    EXPECT_EQ(data.questList, "4#"); // after the middle reference 5 / 2 = 2: node 4
    EXPECT_EQ(data.questAreaCount, 1);
    EXPECT_EQ(sink.captions[kQuestAreaCaption], 1);
    EXPECT_EQ(sink.captions.count(kQuestCaption), 0u);
}

// The count of area markers is a 32-bit count: it goes on past 32767.
TEST_F(WayCheckTest, TheAreaMarkerCountGoesOnPast32767) {
    import = std::make_unique<OsmImport>(osmText(kSquare, way("1", {"1", "2", "3", "4", "1"},
                                                              {{ "landuse",
                                                                 "xyzzy" }})),
                                         ImportSettings{1.971f, 0, 8010}, client);
    ASSERT_EQ(import->run(data), ImportEnd::NodesRead);
    data.questAreaCount = 32767;
    phase = std::make_unique<WayPhase>(import->text(), settings, import->nodeIds(), client, sink);
    ASSERT_EQ(phase->run(data), WayPhaseEnd::Done);
    EXPECT_EQ(data.questAreaCount, 32768);
    EXPECT_EQ(sink.captions[kQuestAreaCaption], 32768);
}

TEST_F(WayCheckTest, AnUnknownHighwayIsMarkedWithItsTags) {
    ASSERT_EQ(readWays(way("1", {"1", "5", "2"}, {{"highway", "proposed"}})), WayPhaseEnd::Done);
    ASSERT_EQ(data.questCount, 2);
    EXPECT_EQ(data.questList, "2#");
    EXPECT_EQ(data.questTexts[0].find("AREA"), std::string::npos);
    EXPECT_NE(data.questTexts[0].find("proposed"), std::string::npos);
    EXPECT_EQ(data.questAreaCount, 0);
}

TEST_F(WayCheckTest, ABusStopImportLineHasItsOwnLook) {
    ASSERT_EQ(readWays(way("1", {"1", "5", "2"}, {{"naptan:verified", "no"}})), WayPhaseEnd::Done);
    EXPECT_EQ(data.wayColour[1], wayRgb(199, 104, 196));
    EXPECT_EQ(data.wayLineStyle[1], 4);
    EXPECT_EQ(data.wayWidth[1], 1);
    EXPECT_EQ(data.wayLayer[1], 100);
    EXPECT_EQ(data.questCount, 1);
}

} // namespace
} // namespace osmimport::testing
