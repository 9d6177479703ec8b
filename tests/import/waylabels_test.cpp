// Street-name positions, label points and area labels, and areas that are not closed.

#include "wayphase_fixture.h"

#include <cmath>

namespace osmimport::testing {
namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;
using WayLabelTest = WayPhaseTest;

TEST_F(WayLabelTest, AStreetNameRunsAlongItsLongestSegment) {
    struct Case {
        const char* what;
        std::vector<std::string> refs;
        Long angle;
        Long nameNode;
        Single longest;
    };
    // 1 and 2 lie on one row 200.25 map units apart; 3 lies 303.38 below 2.
    const std::vector<Case> cases = {
        {"level", {"2", "1"}, 0, 1, 200},
        {"vertical", {"2", "3"}, 90, 3, 303},
        {"the right end lower", {"1", "3"}, 303, 1, 364},
        {"the right end higher", {"4", "2"}, 57, 4, 364},
        // The longest so far is held rounded, so of two equal segments of 100.1 the second wins.
        {"two equal segments of 100.1", {"1", "5", "2"}, 0, 5, 100},
        {"the longer second segment", {"5", "2", "6"}, 0, 2, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        data = ProjectData{};
        ASSERT_EQ(readWays(way("1", c.refs, {{"highway", "residential"}, {"name", "High Street"}})),
                  WayPhaseEnd::Done);
        EXPECT_EQ(data.wayNameAngle[1], c.angle);
        EXPECT_EQ(data.wayNameNode[1], c.nameNode);
        EXPECT_EQ(data.wayMaxSegment[1], c.longest);
        EXPECT_EQ(data.streetNameList, "1#");
    }
}

TEST_F(WayLabelTest, AnUnnamedWayHasNoStreetName) {
    ASSERT_EQ(readWays(way("1", {"1", "2"}, {{"highway", "service"}})), WayPhaseEnd::Done);
    EXPECT_EQ(data.streetNameList, "");
    EXPECT_EQ(data.wayNameNode[1], 0);
    EXPECT_EQ(data.wayMaxSegment[1], 0);
}

TEST_F(WayLabelTest, ANamedAreaIsLabelledInsideIt) {
    ASSERT_EQ(readWays(way("1", {"1", "2", "3", "4", "1"}, {{"leisure", "park"}, {"name", "Green"}})),
              WayPhaseEnd::Done);
    // The centre of the square passes at once.
    const double cx = (x(1) + x(2)) / 2;
    const double cy = (y(1) + y(4)) / 2;
    EXPECT_NEAR(data.wayLabelX[1], cx, 1);
    EXPECT_NEAR(data.wayLabelY[1], cy, 1);
    EXPECT_GT(data.wayFill[1], 29);
    ASSERT_EQ(data.lab2Count, 1);
    ASSERT_EQ(data.labels.size(), 1u);
    EXPECT_EQ(data.labels[0].caption, "Green");
    EXPECT_EQ(data.labels[0].x, std::floor(data.wayLabelX[1]));
    EXPECT_EQ(data.labels[0].y, std::floor(data.wayLabelY[1]));
    EXPECT_EQ(data.labels[0].width, 50);
}

TEST_F(WayLabelTest, ALabelledAreaJoinsTheAreaListUnlessItsClassListedItAlready) {
    ASSERT_EQ(readWays(way("1", {"1", "2", "3", "4", "1"}, {{"leisure", "park"}}) +
                       way("2", {"1", "2", "3", "4", "1"}, {{"leisure", "playground"}})),
              WayPhaseEnd::Done);
    EXPECT_EQ(phase->lists().landAreaList, "#2#");
    EXPECT_GT(data.wayLabelX[2], 0);
    EXPECT_EQ(data.areaList, "1#");
}

TEST_F(WayLabelTest, APatternAreaIsLabelledAtItsCentre) {
    ASSERT_EQ(readWays(way("1", {"1", "2", "3", "4", "1"}, {{"leisure", "nature_reserve"}})),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.wayFill[1], 10);
    EXPECT_NEAR(data.wayLabelX[1], (x(1) + x(2)) / 2, 1);
    EXPECT_NEAR(data.wayLabelY[1], (y(1) + y(4)) / 2, 1);
    // Unnamed: the label is the value of its leisure key.
    ASSERT_EQ(data.lab2Count, 1);
    EXPECT_EQ(data.labels[0].caption, "nature_reserve");
    phase->prepareProjectFile(data);
    EXPECT_NE(("#" + data.areaList).find("#1#"), std::string::npos) << data.areaList;
}

// A label that finds no place keeps its one record at the last point tried, and an area of 0
// gets none; the lists stay as they were. The sliver: 1 and 2 lie on one row, 7 about a unit
// and a half below the middle between them.
TEST_F(WayLabelTest, ALabelWithoutAPlaceGetsNoRecordAtTheLeftEdge) {
    std::vector<OsmNode> nodes = kSquare;
    nodes.push_back({"7", "-1.585", "51.48995"});
    // An area without a style of its own: a closed untagged relation member on a black map (a
    // tab after "tag" hides its name tag from the member test).
    settings.backColour = 0;
    ASSERT_EQ(
        read(osmText(
            nodes, std::string(" <way id=\"10\"><nd ref=\"1\"/><nd ref=\"7\"/><nd ref=\"2\"/><nd ref=\"1\"/>"
                               "<tag\tk=\"name\" v=\"Mill\"/></way>\n") +
                       " <relation id=\"9\"><member type=\"way\" ref=\"10\"/></relation>\n")),
        WayPhaseEnd::Done);
    ASSERT_EQ(data.labels.size(), 1u);
    EXPECT_EQ(data.labels[0].caption, "Mill");
    EXPECT_GT(data.labels[0].x, 0);
    EXPECT_EQ(data.lab2Count, 1);
    EXPECT_EQ(data.areaList, "1#");

    // Pattern areas of 0: there and back, and all on one row.
    for (const std::vector<std::string>& refs :
         {std::vector<std::string>{"1", "2", "1"}, {"1", "5", "2", "1"}}) {
        SCOPED_TRACE(refs.size());
        data = ProjectData{};
        ASSERT_EQ(readWays(way("1", refs, {{"leisure", "nature_reserve"}, {"name", "Heath"}})),
                  WayPhaseEnd::Done);
        EXPECT_EQ(data.wayFill[1], 10);
        EXPECT_TRUE(data.labels.empty());
        EXPECT_EQ(data.lab2Count, 0);
        EXPECT_EQ(data.areaList, "1#");
    }
}

TEST_F(WayLabelTest, AnAreaNotClosedGetsAChainArrowAtItsFirstNode) {
    ASSERT_EQ(readWays(way("1", {"2", "3", "4", "1"}, {{"building", "yes"}})), WayPhaseEnd::Done);
    EXPECT_EQ(data.chainCount, 2);
    EXPECT_EQ(data.chainList, "2#");
    ASSERT_EQ(data.chainTexts.size(), 1u);
    EXPECT_EQ(data.chainTexts[0].rfind("Area not closed: Arrow points to node with broken link.\r\n\r\n", 0),
              0u);
    EXPECT_NE(data.chainTexts[0].find("4 nodes."), std::string::npos) << data.chainTexts[0];
    EXPECT_EQ(data.unclosedAreaList.rfind("2$", 0), 0u) << data.unclosedAreaList;
    EXPECT_NE(data.unclosedAreaList.find("building"), std::string::npos);
    EXPECT_EQ(sink.captions[kChainCaption], 1);
    EXPECT_EQ(phase->unclosedIndexList(), ",1,");
    EXPECT_EQ(data.wayLabelX[1], 0); // the label point is discarded
    phase->prepareProjectFile(data);
    EXPECT_EQ(data.wayWidth[1], 5);
    EXPECT_EQ(data.wayColour[1], 0);
    EXPECT_EQ(data.wayFill[1], 0);
}

// An unclosed area whose text holds "b b  " adds a FIXME entry under its chain number, quoting
// its own text from its FIXME to the end of that tag, whatever node the node phase read last.
TEST_F(WayLabelTest, AnUnclosedAreaMarkedForFixingQuotesItsOwnFixme) {
    const std::vector<OsmNode> nodes = {
        {"1", "-1.59", "51.49"}, {"2", "-1.58", "51.49"}, {"3", "-1.58", "51.48"}, {"4", "-1.59", "51.48"}};
    const std::string pub = " <node id=\"9\" lat=\"51.45\" lon=\"-1.55\"><tag k=\"amenity\" v=\"pub\"/>"
                            "<tag k=\"FIXME\" v=\"check the door\"/></node>\n";
    ASSERT_EQ(read(osmText(nodes, pub + way("1", {"2", "3", "4", "1"},
                                            {{"building", "yes"}, {"note", "b b  "}, {"FIXME", "shape"}}))),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.fixmeList.substr(data.fixmeList.find("2$")), "2$FIXME\" v=\"shape\"\r\n");

    data = ProjectData{};
    ASSERT_EQ(readWays(way("1", {"2", "3", "4", "1"}, {{"building", "yes"}, {"note", "b b  "}})),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.fixmeList, "2$\r\n");
    EXPECT_EQ(data.fixmeCount, 1);
}

TEST_F(WayLabelTest, OnlyAnAreaWithAllItsNodesCanBeReportedNotClosed) {
    struct Case {
        const char* what;
        std::vector<std::string> refs;
        Tags tags;
    };
    const std::vector<Case> cases = {
        {"a node missing", {"2", "3", "99", "4", "1"}, {{"building", "yes"}}},
        {"closed", {"1", "2", "3", "4", "1"}, {{"building", "yes"}}},
        {"a line", {"1", "2", "3"}, {{"highway", "residential"}, {"name", "A"}}},
        {"a pattern area", {"1", "2", "3", "4"}, {{"leisure", "nature_reserve"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        data = ProjectData{};
        ASSERT_EQ(readWays(way("1", c.refs, c.tags)), WayPhaseEnd::Done);
        EXPECT_EQ(data.chainCount, 1);
        EXPECT_EQ(data.chainList, "");
        EXPECT_EQ(data.unclosedAreaList, "");
        EXPECT_EQ(phase->unclosedIndexList(), ",");
    }
}

} // namespace
} // namespace osmimport::testing
