// The way loop: the way pieces, authors and dates, node references, progress and cancel.

#include "import/projectwriter.h"
#include "wayphase_fixture.h"

#include <algorithm>

namespace osmimport::testing {
namespace {

TEST(WayDate, TakesTheDateOfATimeStamp) {
    struct Case {
        const char* stamp;
        const char* date;
    };
    for (const Case& c :
         {Case{"2009-05-12T10:20:30Z", "12/05/2009"}, Case{"2008-02-29t00:00:00Z", "29/02/2008"},
          Case{"2010-1-2", "02/01/2010"}, Case{"2009-02-29T01:00:00Z", "2009-02-29"},
          Case{"2009-13-01", "2009-13-01"}, Case{"yesterday", "yes"}, Case{"", ""},
          Case{"12/05/2009", "12/05/2009"}, Case{"2009-05-12 xyz", "2009-05-12 xyz"},
          Case{"2009-05-12 extra", "2009-05-12 ex"}})
        EXPECT_EQ(wayDate(c.stamp), c.date) << c.stamp;
}

TEST(ReferenceId, IsTheTextBetweenTheQuotes) {
    EXPECT_EQ(referenceId("\"123\"/>\n  ", '"'), "123");
    EXPECT_EQ(referenceId("'-5'/", '\''), "-5");
    EXPECT_EQ(referenceId("\"12", '"'), "");  // cut off before its closing quote
    EXPECT_EQ(referenceId("123/>", '"'), ""); // no quote at all
    EXPECT_EQ(referenceId("", '"'), "");
}

using WayLoopTest = WayPhaseTest;

TEST_F(WayLoopTest, TheLastWayIsCutClearOfWhatFollowsIt) {
    ASSERT_EQ(readWays(way("100", {"1", "2"}, {}) + way("101", {"2", "3"}, {}) +
                       " <relation id=\"9\"><member type=\"way\" ref=\"100\"/></relation>\n"),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.wayCount, 2);
    const auto pieces = phase->wayPieces();
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_NE(pieces[1].find("</way>\n "), std::string_view::npos); // up to the next way
    EXPECT_EQ(pieces[2].back(), '<');
    EXPECT_EQ(pieces[2].find("relation"), std::string_view::npos);
    EXPECT_EQ(data.wayNodes[1], "1#2#");
    EXPECT_EQ(data.wayNodes[2], "2#3#");
}

// Some writers put ways (and relations) before or between the nodes: every way is read, and
// the project file is that of the same data with the nodes first.
TEST_F(WayLoopTest, WaysBeforeAndBetweenTheNodesAreRead) {
    const std::string relation = " <relation id=\"9\"><member type=\"way\" ref=\"30\"/></relation>\n";
    const std::string ways = way("10", {"1", "2", "3"}, {{"highway", "residential"}, {"name", "A"}}) +
                             way("20", {"3", "4", "1"}, {{"fixme", "b b  "}, {"leisure", "park"}}) +
                             way("30", {"1", "2", "3", "4", "1"}, {});
    const auto projectFile = [&](const std::string& text) {
        data = ProjectData{};
        EXPECT_EQ(read(text), WayPhaseEnd::Done);
        phase->prepareProjectFile(data);
        return projectFileBytes(data, '"');
    };
    const std::string nodesFirst = projectFile(osmText(kSquare, ways + relation));
    ASSERT_EQ(data.wayCount, 3);
    EXPECT_EQ(data.fixmeCount, 1); // the unclosed park only: no node takes a way's fixme tag
    EXPECT_EQ(phase->lists().unstyledAreaList, "#3#");

    std::string waysFirst = "<osm version=\"0.6\">\n <bounds minlat=\"51.4\" minlon=\"-1.6\" "
                            "maxlat=\"51.5\" maxlon=\"-1.5\"/>\n" +
                            relation + ways;
    std::string between = waysFirst.substr(0, waysFirst.find(" <way id=\"20\""));
    for (const OsmNode& n : kSquare) {
        const std::string node =
            " <node id=\"" + std::string(n.id) + "\" lat=\"" + n.lat + "\" lon=\"" + n.lon + "\"/>\n";
        waysFirst += node;
        between += node;
        if (std::string(n.id) == "2")
            between += way("20", {"3", "4", "1"}, {{"fixme", "b b  "}, {"leisure", "park"}});
    }
    between += way("30", {"1", "2", "3", "4", "1"}, {}) + "</osm>\n";
    EXPECT_EQ(projectFile(waysFirst + "</osm>\n"), nodesFirst);
    EXPECT_EQ(projectFile(between), nodesFirst);
}

TEST_F(WayLoopTest, AFileWithoutWaysHasNone) {
    EXPECT_EQ(readWays(""), WayPhaseEnd::Done);
    EXPECT_EQ(data.wayCount, 0);
    EXPECT_EQ(data.wayNodes.size(), 1u);
    EXPECT_EQ(std::count_if(
                  client.calls.begin(), client.calls.end(),
                  [](const std::string& c) { return c.rfind("progress:", 0) == 0 && c != "progress:15"; }),
              0);
}

TEST_F(WayLoopTest, ASelfClosingWayIsStoredWithoutNodes) {
    ASSERT_EQ(readWays(" <way id=\"9\" user=\"ann\" timestamp=\"2010-01-02T03:04:05Z\"/>\n"),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.wayCount, 1);
    EXPECT_EQ(data.wayNodes[1], "");
    EXPECT_EQ(data.wayLineStyleColour[1], wayRgb(180, 180, 180));
    EXPECT_EQ(data.wayColour[1], 0);
    EXPECT_EQ(data.wayUser[1], "ann");
    EXPECT_EQ(data.wayDate[1], "02/01/2010");
    EXPECT_FALSE(data.wayExtraColour[1].has_value());
    phase->prepareProjectFile(data);
    EXPECT_EQ(data.areaList, "");
    EXPECT_EQ(data.questCount, 1);
}

TEST_F(WayLoopTest, MalformedWaysReadNothingOutsideTheirText) {
    struct Case {
        const char* what;
        std::string ways;
        const char* nodes; // of the last way
    };
    const std::vector<Case> cases = {
        {"one node", way("1", {"1"}, {{"highway", "residential"}}), "1#"},
        {"references to nothing", way("1", {"77", "78"}, {{"highway", "residential"}}), ""},
        {"a truncated last way", " <way id=\"4\"><nd ref=\"1\"/><nd ref=\"2", "1#"},
        {"a reference without quotes", " <way id=\"4\"><nd ref=1/><nd ref=\"2\"/></way>", "2#"},
        {"an empty reference", " <way id=\"4\"><nd ref=\"\"/><nd ref=\"3\"/></way>", "3#"},
        {"no attributes", " <way ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        data = ProjectData{};
        ASSERT_EQ(readWays(c.ways), WayPhaseEnd::Done);
        ASSERT_EQ(data.wayCount, 1);
        EXPECT_EQ(data.wayNodes[1], c.nodes);
    }
}

TEST_F(WayLoopTest, TheLastNodeOfTheFileIsAValidReference) {
    ASSERT_EQ(readWays(way("1", {"1", "6"}, {{"highway", "residential"}, {"name", "A"}})), WayPhaseEnd::Done);
    EXPECT_EQ(data.nodeCount, 6);
    EXPECT_EQ(data.wayNodes[1], "1#6#");
    EXPECT_EQ(data.nodeUse[6], 1);
}

TEST_F(WayLoopTest, EveryResolvedReferenceCountsIntoNodeUse) {
    ASSERT_EQ(readWays(way("1", {"1", "2", "3", "1"}, {{"highway", "residential"}}) +
                       way("2", {"3", "99", "4"}, {{"highway", "service"}})),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.wayNodes[1], "1#2#3#1#");
    EXPECT_EQ(data.wayNodes[2], "3#4#"); // the unknown id is left out
    EXPECT_EQ(data.nodeUse[1], 2);
    EXPECT_EQ(data.nodeUse[2], 1);
    EXPECT_EQ(data.nodeUse[3], 2);
    EXPECT_EQ(data.nodeUse[5], 0);
}

TEST_F(WayLoopTest, AuthorAndDateComeFromTheWaysAttributes) {
    ASSERT_EQ(readWays(" <way id=\"1\" user=\"Jo Bloggs\" uid=\"5\" timestamp=\"2011-11-30T08:00:00Z\">"
                       "<nd ref=\"1\"/><nd ref=\"2\"/></way>\n"),
              WayPhaseEnd::Done);
    EXPECT_EQ(data.wayUser[1], "Jo Bloggs");
    EXPECT_EQ(data.wayDate[1], "30/11/2011");
}

TEST_F(WayLoopTest, TheBoundBoxFormCarriesNoAuthors) {
    const std::string text =
        "<osm>\n <bound box=\"51.4,-1.6,51.5,-1.5\" origin=\"x\"/>\n"
        " <node id=\"1\" lat=\"51.45\" lon=\"-1.55\"/>\n <node id=\"2\" lat=\"51.46\" lon=\"-1.55\"/>\n"
        " <way id=\"1\" user=\"Jo\" timestamp=\"2011-11-30T08:00:00Z\"><nd ref=\"1\"/><nd ref=\"2\"/>"
        "</way>\n</osm>\n";
    ASSERT_EQ(read(text), WayPhaseEnd::Done);
    EXPECT_EQ(client.messages, std::vector<std::string>{"This file contains no authorship details."});
    EXPECT_EQ(data.wayNodes[1], "1#2#");
    EXPECT_EQ(data.wayUser[1], "");
    EXPECT_EQ(data.wayDate[1], "");
}

std::vector<std::string> wayProgress(const std::vector<std::string>& calls) {
    std::vector<std::string> progress;
    for (const std::string& c : calls)
        if (c.rfind("progress:", 0) == 0 && c != "progress:15") progress.push_back(c);
    return progress;
}

TEST_F(WayLoopTest, ProgressMovesOnEveryStepThWay) {
    const std::string ways = way("1", {"1", "2"}, {}) + way("2", {"2", "3"}, {}) + way("3", {"3", "4"}, {});
    // Below 0.025 MB the step is 0: every way.
    ASSERT_EQ(readWays(ways), WayPhaseEnd::Done);
    EXPECT_EQ(wayProgress(client.calls),
              (std::vector<std::string>{"progress:57", "progress:79", "progress:100"}));

    client.calls.clear();
    settings.fileSizeMB = 0.1f; // a step of 2
    ASSERT_EQ(readWays(ways), WayPhaseEnd::Done);
    EXPECT_EQ(wayProgress(client.calls), std::vector<std::string>{"progress:79"});
}

TEST_F(WayLoopTest, ACancelDuringTheWayLoopAbandonsIt) {
    client.cancelAt = static_cast<long>(kSquare.size()) + 1; // asked once per node, then after way 1
    EXPECT_EQ(readWays(way("1", {"1", "2"}, {}) + way("2", {"2", "3"}, {})), WayPhaseEnd::Cancelled);
    EXPECT_EQ(data.wayNodes[1], "1#2#");
    EXPECT_EQ(data.wayNodes[2], "");
}

} // namespace
} // namespace osmimport::testing
