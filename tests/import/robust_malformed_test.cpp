// A catalogue of malformed inputs, each with the one outcome it must have: OSM texts imported
// headless (nodes and their classification) and damaged project files read back.

#include "../basic/fault_of.h"
#include "basic/clock.h"
#include "basic/text.h"
#include "import/projectreader.h"
#include "import/projectwriter.h"
#include "projectsample.h"
#include "robust_import.h"
#include "wayphase_fixture.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace osmimport::testing {
namespace {

using basic::faultOf;
namespace fault = basic::fault;

const std::string kHead = "<osm version=\"0.6\">\n";
const std::string kBounds = "<bounds minlat=\"51.4\" minlon=\"-1.6\" maxlat=\"51.5\" maxlon=\"-1.5\"/>\n";

std::string node(const std::string& id, const std::string& tags = "") {
    const std::string attributes = "<node id=\"" + id + "\" lat=\"51.45\" lon=\"-1.55\"";
    return tags.empty() ? attributes + "/>\n" : attributes + ">" + tags + "</node>\n";
}

std::string tag(const std::string& k, const std::string& v) {
    return "<tag k=\"" + k + "\" v=\"" + v + "\"/>";
}

// The map position of lon, lat in a file with kBounds: origin -1.6, 51.5, scale 20025.
Single mapX(double lon) {
    return static_cast<Single>((lon - -1.6f) * 20025 + 3000);
}
Single mapY(double lat) {
    return static_cast<Single>(2500 - (lat - 51.5f) * 20025 * latStretch(51.5f));
}

struct OsmCase {
    const char* what;
    std::string text;
    ImportEnd end;
    std::vector<std::string> messages;
    Long nodes; // the node records of an import that reads its nodes
};

TEST(RobustMalformedTest, OsmTextsEndInTheirOutcome) {
    const std::string twoNodes = node("1") + node("2");
    const OsmCase cases[] = {
        {"no bounds", kHead + twoNodes + "</osm>", ImportEnd::NoBounds, {std::string(kNoBoundsMessage)}, 0},
        {"bounds that are only a name", kHead + "<bounds/>" + twoNodes, ImportEnd::NodesRead, {}, 2},
        {"bounds without a closing quote",
         kHead + "<bounds minlat=\"51.4" + twoNodes,
         ImportEnd::NodesRead,
         {},
         2},
        {"a bound box with no numbers",
         kHead + "<bound box=\"\"/>" + twoNodes,
         ImportEnd::NodesRead,
         {std::string(kNoAuthorshipMessage)},
         2},
        {"a tag cut off at the end of the text",
         kHead + kBounds + node("1", tag("amenity", "pub")) +
             "<node id=\"2\" lat=\"51.45\" lon=\"-1.55\"><tag k=\"name\" v=\"Red",
         ImportEnd::NodesRead,
         {},
         2},
        {"a tag without its end, then a node",
         kHead + kBounds + "<node id=\"1\" lat=\"51.4\" lon=\"-1.5\"><tag k=\"amenity\" v=\"pub\"" + twoNodes,
         ImportEnd::NodesRead,
         {},
         3},
        {"a node that never closes",
         kHead + kBounds + "<node id=\"1\" lat=\"51.4",
         ImportEnd::NodesRead,
         {},
         1},
        {"nothing but the word node", kHead + kBounds + "<node<node<node", ImportEnd::NodesRead, {}, 3},
        {"ids that are not numbers",
         kHead + kBounds + node("abc") + node("") + node("12x") + node("-") + node("99999999999999999999999"),
         ImportEnd::NodesRead,
         {},
         5},
        {"duplicate ids", kHead + kBounds + node("7") + node("7") + node("7"), ImportEnd::NodesRead, {}, 3},
        {"a quote character that never closes anything",
         kHead + kBounds + "<node id='1' lat='51.45' lon='-1.55'><tag k='a' v='b/></node>",
         ImportEnd::NodesRead,
         {},
         1},
        {"binary bytes after the bounds",
         kHead + kBounds + std::string("\0\xff<node\x01\x80\"\"=>", 13),
         ImportEnd::NodesRead,
         {},
         1},
    };
    for (const OsmCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Imported r = importText(c.text);
        EXPECT_EQ(r.end, c.end);
        EXPECT_EQ(r.messages, c.messages);
        EXPECT_EQ(r.data.nodeCount, c.nodes);
        if (r.end != ImportEnd::NodesRead) continue;
        const ProjectData back = readProjectFile(projectFileBytes(r.data, r.quote));
        EXPECT_EQ(back.nodeCount, c.nodes);
    }
}

TEST(RobustMalformedTest, BoundsWithNoWidthLeaveTheScaleAtOne) {
    const Imported r =
        importText(kHead + "<bounds minlat=\"51.4\" minlon=\"-1.6\" maxlat=\"51.5\" maxlon=\"-1.6\"/>" +
                   node("1") + node("2"));
    ASSERT_EQ(r.end, ImportEnd::NodesRead);
    EXPECT_EQ(r.data.mapScale, 1);
    EXPECT_EQ(r.data.mapLon0, -1.6f);
    EXPECT_EQ(r.data.nodeX[1], static_cast<Single>((-1.55 - -1.6f) * 1 + 3000));
}

TEST(RobustMalformedTest, ANodeWithoutPositionLiesAtZeroZero) {
    const std::string text = kHead + kBounds + "<node id=\"1\"/>\n<node id=\"2\" lat=\"north\" lon=\"\"/>\n" +
                             "<node id=\"3\" lat=\"51.45\"/>\n" + node("4");
    const Imported r = importText(text);
    ASSERT_EQ(r.end, ImportEnd::NodesRead);
    ASSERT_EQ(r.data.nodeCount, 4);
    for (Long i : {1, 2}) {
        EXPECT_EQ(r.data.nodeX[i], mapX(0)) << i;
        EXPECT_EQ(r.data.nodeY[i], mapY(0)) << i;
    }
    EXPECT_EQ(r.data.nodeX[3], mapX(0));
    EXPECT_EQ(r.data.nodeY[3], mapY(51.45));
    EXPECT_EQ(r.data.nodeX[4], mapX(-1.55));
}

TEST(RobustMalformedTest, UnusualBytesInNamesSurviveTheProjectFile) {
    struct Case {
        const char* what;
        std::string name;
    };
    const Case cases[] = {
        {"4-byte UTF-8", "Caf\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E"},
        {"control characters", std::string("a\x01"
                                           "b\x02\tc\x7F"
                                           "d\x1B",
                                           9)},
        {"line breaks", "first\r\nsecond\nthird"},
        {"an 0xA3 inside UTF-8 letters", "\xC2\xA3 5 \xD0\xA3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Imported r =
            importText(kHead + kBounds + node("1", tag("amenity", "pub") + tag("name", c.name)) +
                       node("2", tag("name", c.name)) + node("3"));
        ASSERT_EQ(r.end, ImportEnd::NodesRead);
        ASSERT_NE(r.data.nodeName[1].find(c.name), std::string::npos) << r.data.nodeName[1];
        const ProjectData back = readProjectFile(projectFileBytes(r.data, r.quote));
        ASSERT_EQ(back.nodeCount, 3);
        EXPECT_EQ(back.nodeName[1], r.data.nodeName[1]);
        EXPECT_EQ(back.nodeInfo[1], r.data.nodeInfo[1]);
        EXPECT_EQ(back.nodeX[3], r.data.nodeX[3]);
    }
}

// A project file cut anywhere before its last value is refused with one fault; inside the way
// records (whose count the header names) it is always "Input past end of file". A cut inside
// the last value leaves a shorter number, which reads.
TEST(RobustMalformedTest, AProjectFileCutAnywhereIsRefused) {
    const std::string good = projectFileBytes(sampleProject(), '"');
    const std::size_t waysFrom = good.find("1#2#3#1#");
    const std::size_t waysTo = good.find("\r\n", good.find("\r\n07/03/2011") + 2);
    const std::size_t lastValue = good.rfind("\r\n69\r\n") + 2;
    ASSERT_NE(waysFrom, std::string::npos);
    ASSERT_NE(waysTo, std::string::npos);
    ASSERT_EQ(lastValue + 4, good.size());
    for (std::size_t length = 0; length < lastValue; ++length) {
        SCOPED_TRACE("cut at " + std::to_string(length));
        const int raised = faultOf([&] { readProjectFile(std::string_view(good).substr(0, length)); });
        if (length >= waysFrom && length <= waysTo)
            ASSERT_EQ(raised, fault::InputPastEndOfFile);
        else
            ASSERT_TRUE(raised == fault::InputPastEndOfFile || raised == fault::TypeMismatch) << raised;
    }
    EXPECT_EQ(readProjectFile(std::string_view(good).substr(0, lastValue + 1)).countCaptions[23], 6);
    EXPECT_EQ(readProjectFile(std::string_view(good).substr(0, good.size() - 2)), readProjectFile(good));
}

// Counts claiming the most a count can hold, or the least: refused before anything is
// allocated.
TEST(RobustMalformedTest, AbsurdCountsAreRefused) {
    const std::vector<std::string> lines = linesOf(projectFileBytes(sampleProject(), '"'));
    auto withLine = [&](std::size_t k, const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < lines.size(); ++i)
            out += (i + 1 == k ? text : lines[i]) + "\r\n";
        return out;
    };
    // Counted back from the end: the captions, the trailer lists, the sample's four marker texts,
    // the arrow and street-name lists, then the chain, quot and quest counts.
    const std::size_t questCountLine = lines.size() - 24 - 13 - 4 - 2 - 2;
    struct Case {
        const char* what;
        std::size_t line;
        const char* count;
        int fault;
    };
    const Case cases[] = {
        {"label count at the top of 32 bits", 7, " 2147483647", fault::InputPastEndOfFile},
        {"node count at the top of 32 bits", 16, " 2147483647", fault::InputPastEndOfFile},
        {"way count at the top of 32 bits", 17, " 2147483647", fault::InputPastEndOfFile},
        {"node count at the bottom of 32 bits", 16, "-2147483648", fault::SubscriptOutOfRange},
        {"way count beyond 32 bits", 17, " 2147483648", fault::Overflow},
        {"quest count at the top of 32 bits", questCountLine, " 2147483647", fault::InputPastEndOfFile},
        {"quot count at the top of 32 bits", questCountLine + 1, " 2147483647", fault::InputPastEndOfFile},
        {"chain count at the top of 32 bits", questCountLine + 2, " 2147483647", fault::InputPastEndOfFile},
    };
    for (const Case& c : cases)
        EXPECT_EQ(faultOf([&] { readProjectFile(withLine(c.line, c.count)); }), c.fault) << c.what;
}


// A corner read far from the rest (a missing or garbled longitude) makes an area a sliver whose
// box the label search would walk for minutes. The search tries at most a few thousand
// candidates, so it ends at once; where the full walk finds a place early, it finds the same.
TEST(RobustMalformedTest, TheLabelSearchOverASliverIsBounded) {
    // 64 corners, at most 2 units high: no point has room around it.
    std::vector<PolyPoint> sliver;
    for (Long k = 0; k < 62; ++k)
        sliver.push_back({3000 + k * 2, 3000});
    sliver.push_back({3'000'000, 3001});
    sliver.push_back({3000, 3002});
    const LabelBox box{3000, 3000, 3'000'000, 3002};
    const basic::Stopwatch clock;
    const LabelSearch none = searchLabelPoint(sliver, box);
    EXPECT_LT(clock.seconds(), 0.5);
    EXPECT_TRUE(none.searched);
    EXPECT_FALSE(none.found);

    // A block at the left end: the middle row's fourth unit from the left is the first point
    // well inside, as a walk without end finds it.
    const std::vector<PolyPoint> block = {{3000, 3000}, {3400, 3000}, {3400, 3199}, {3'000'000, 3200},
                                          {3400, 3201}, {3400, 3400}, {3000, 3400}};
    const LabelSearch early = searchLabelPoint(block, LabelBox{3000, 3000, 3'000'000, 3400});
    ASSERT_TRUE(early.found);
    EXPECT_EQ(early.pass, 2);
    EXPECT_EQ(early.cx, 3004);
    EXPECT_EQ(early.cy, 3200);

    int asked = 0;
    const LabelSearch cancelled = searchLabelPoint(sliver, box, [&] { return ++asked == 1; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.found);
    EXPECT_EQ(asked, 1);
}

using RobustMalformedWaysTest = WayPhaseTest;

// The hostile inputs of the fuzz seeds.
std::string seed(const std::string& name) {
    return testData("fuzz/" + name);
}

// Three buildings of 64 corners: 63 on a small ring, one without a position (so far off the map).
TEST_F(RobustMalformedWaysTest, SliversImportAtOnceAndACancelInTheirSearchEndsTheImport) {
    const basic::Stopwatch clock;
    ASSERT_EQ(read(seed("import-sliver-buildings.osm")), WayPhaseEnd::Done);
    EXPECT_LT(clock.seconds(), 1.0);
    EXPECT_EQ(data.wayCount, 3);

    // Asked once per node; the next question comes from the first sliver's search.
    client = RecordingClient{};
    client.cancelAt = 65;
    data = ProjectData{};
    EXPECT_EQ(read(seed("import-sliver-buildings.osm")), WayPhaseEnd::Cancelled);
    EXPECT_EQ(client.asked, 65);
    EXPECT_EQ(data.wayLabelX[1], 0);
    EXPECT_EQ(data.wayNodes[2], "");
}

// A coordinate that is no finite latitude or longitude (one flipped byte makes 9.51E+238 of a
// longitude) is read as a missing one; the project file made from it reads back whole, with
// every value within its type.
TEST_F(RobustMalformedWaysTest, CoordinatesBeyondTheGlobeGiveAFileThatReadsBack) {
    ASSERT_EQ(read(seed("import-coordinates-beyond-the-globe.osm")), WayPhaseEnd::Done);
    EXPECT_EQ(data.nodeX[1], mapX(0));
    EXPECT_EQ(data.nodeY[3], mapY(0));
    EXPECT_EQ(data.nodeX[4], mapX(0));
    EXPECT_EQ(data.nodeY[4], mapY(0));
    for (Long i : {1, 2}) {
        EXPECT_GE(data.wayNameAngle[i], 0) << i;
        EXPECT_LE(data.wayNameAngle[i], 359) << i;
        EXPECT_TRUE(std::isfinite(data.wayMaxSegment[i])) << i;
    }
    ProjectData back;
    ASSERT_EQ(faultOf([&] { back = readProjectFile(projectFileBytes(data, '"')); }), 0);
    EXPECT_EQ(back.wayNameAngle, data.wayNameAngle);
}

// Values inside the items that no drawing can use mark a damaged file: the reader refuses it
// with one fault. Far-off positions and indices the file does not hold are read: the drawing
// passes over them.
TEST(RobustMalformedTest, DamagedValuesInAProjectFileAreRefused) {
    struct Case {
        const char* what;
        std::function<void(ProjectData&)> damage;
        int fault;
    };
    const Case cases[] = {
        {"a node list entry that is no number", [](ProjectData& d) { d.wayNodes[1] = "1#abc#"; }, fault::TypeMismatch},
        {"an area list entry that is no number", [](ProjectData& d) { d.areaList = "2#x#"; }, fault::TypeMismatch},
        {"a negative line style", [](ProjectData& d) { d.wayLineStyle[2] = -1; }, fault::InvalidPropertyValue},
        {"a negative line colour", [](ProjectData& d) { d.wayColour[2] = -7; }, fault::InvalidPropertyValue},
        {"a bridge colour beyond RGB", [](ProjectData& d) { d.wayExtraColour[1] = 1E+30; }, fault::InvalidPropertyValue},
        {"a casing colour beyond RGB", [](ProjectData& d) { d.wayLineStyleColour[1] = 1E+10; }, fault::InvalidPropertyValue},
        {"a fill beyond RGB", [](ProjectData& d) { d.wayFill[2] = 1E+20; }, fault::InvalidPropertyValue},
        {"no fill", [](ProjectData& d) { d.wayFill[2] = -5; }, 0},
        {"a node far off the map", [](ProjectData& d) { d.nodeX[1] = 1E+10; }, 0},
        {"a node index the file does not hold", [](ProjectData& d) { d.wayNodes[1] = "1#77#"; }, 0},
        {"marker and street-name entries the file does not hold",
         [](ProjectData& d) {
             d.questList = "999999#";
             d.chainList = "abc#";
             d.streetNameList = "x#99#";
         },
         0},
        {"no casing", [](ProjectData& d) { d.wayLineStyleColour[2] = -1; }, 0},
        {"the last pen style", [](ProjectData& d) { d.wayLineStyle[2] = 6; }, 0},
    };
    for (const Case& c : cases) {
        ProjectData d = sampleProject();
        c.damage(d);
        EXPECT_EQ(faultOf([&] { readProjectFile(projectFileBytes(d, '"')); }), c.fault) << c.what;
    }
}

} // namespace
} // namespace osmimport::testing
