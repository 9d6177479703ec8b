#include "basic/colour.h"
#include "import/finalstats.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace osmimport {
namespace {

struct RecordingSink : FinalStatsSink {
    int eventTurns = 0;
    std::vector<Long> captions;
    void letEventsThrough() override { ++eventTurns; }
    void questCaption(Long caption) override { captions.push_back(caption); }
};

const Double kMagenta = basic::rgb(255, 0, 255);
const Double kRoad = basic::rgb(255, 255, 255);

constexpr std::string_view kPath = R"(<tag k="highway" v="path"/>)";

struct WaySpec {
    std::string nodes;
    std::string_view piece = kPath;
    Integer width = 1;
    Integer layer = 1;
    Double fill = 0;
};

struct UnconnectedFixture : ::testing::Test {
    ProjectData data;
    std::vector<std::string_view> pieces{""};
    RecordingSink sink;

    // Ways 1..n from specs, drawn kRoad, with nodeUse counted as the reference loop counts it.
    void build(const std::vector<WaySpec>& specs) {
        data.sizeNodes(20);
        data.sizeWays(static_cast<Long>(specs.size()));
        for (std::size_t i = 1; i <= specs.size(); ++i) {
            const WaySpec& w = specs[i - 1];
            data.wayNodes[i] = w.nodes;
            data.wayWidth[i] = w.width;
            data.wayLayer[i] = w.layer;
            data.wayFill[i] = w.fill;
            data.wayColour[i] = kRoad;
            pieces.push_back(w.piece);
            std::string_view list = w.nodes;
            for (std::size_t hash = list.find('#'); hash != std::string_view::npos; hash = list.find('#')) {
                ++data.nodeUse[std::stoi(std::string(list.substr(0, hash)))];
                list.remove_prefix(hash + 1);
            }
        }
    }

    void run() { markUnconnectedWays(data, pieces, sink); }
};

TEST_F(UnconnectedFixture, MarksALoneThinWayMagentaAndMovesOthersToLayerTwo) {
    build({{"1#2#"},
           {"3#4#", R"(<tag k="highway" v="primary"/>)", 6},
           {"5#6#", R"(<tag k="railway" v="rail"/>)"},
           {"7#8#", R"(<tag k="power" v="line"/>)", 1, 100}});
    run();
    EXPECT_EQ(data.wayColour[1], kMagenta);
    EXPECT_EQ(data.wayLayer[1], 1);
    for (const Long i : {2, 3, 4}) {
        EXPECT_EQ(data.wayColour[i], kRoad) << i;
        EXPECT_EQ(data.wayLayer[i], 2) << i;
    }
    EXPECT_EQ(sink.eventTurns, 4);
}

TEST_F(UnconnectedFixture, LeavesConnectedClosedAreaAndEmptyWaysAlone) {
    build({{"1#2#3#"},
           {"3#4#"},                     // shares node 3 with way 1
           {"5#6#7#5#"},                 // uses its first node twice
           {"8#9#", "", 1, 1, 29},       // a pattern area, lone
           {"10#11#", "", 1, 1, 160000}, // a flood colour, lone
           {""}});
    run();
    for (Long i = 1; i <= 6; ++i) {
        EXPECT_EQ(data.wayColour[i], kRoad) << i;
        EXPECT_EQ(data.wayLayer[i], 1) << i;
    }
}

TEST_F(UnconnectedFixture, CountsIndexTextsThatNameNoNodeAsUnconnected) {
    build({{"1#2#"}, {"1#"}});
    data.wayNodes[2] = "x#99#-3##0#"; // names no node: index 0 is no node, however used
    data.nodeUse[0] = 2;
    pieces.resize(2);               // way 2 has no piece: reads as empty
    run();
    EXPECT_EQ(data.wayColour[1], kRoad); // node 1 is used by both
    EXPECT_EQ(data.wayColour[2], kMagenta);
}

// A stand-in distance: 64 miles a degree along either axis, so the test's positions give exact
// miles; it refuses any unit but miles.
double fakeMiles(double lat1, double lon1, double lat2, double lon2, std::string_view unit) {
    if (unit != "m") return -1000;
    return (std::fabs(lat1 - lat2) + std::fabs(lon1 - lon2)) * 64;
}

struct StationFixture : ::testing::Test {
    ProjectData data;
    StationLists stations;
    RecordingSink sink;

    StationFixture() {
        data.mapLon0 = -2;
        data.mapLat0 = 50;
        data.mapScale = 1000;
        data.sizeNodes(10);
        data.questCount = 4;
    }

    // A station at node n, placed in map units as the node loop does.
    void addStation(Long n, double lon, double lat, bool subway = false) {
        data.nodeX[n] = (lon - data.mapLon0) * data.mapScale + 3000;
        data.nodeY[n] = 2500 - (lat - data.mapLat0) * data.mapScale * 1.5;
        stations.positions += std::to_string(lon) + "," + std::to_string(lat) + "#";
        if (!subway) stations.nodes += std::to_string(n) + "#";
    }

    void run(std::string_view platforms, Long questAreaCount = 1) {
        markStationsWithoutPlatforms(data, stations, platforms, questAreaCount, fakeMiles, sink);
    }
};

TEST_F(StationFixture, TurnsMapUnitsBackIntoDegrees) {
    const Degrees d = mapToDegrees(data, 3500, 1000);
    EXPECT_DOUBLE_EQ(d.lon, -1.5);
    EXPECT_DOUBLE_EQ(d.lat, 51);
}

TEST_F(StationFixture, MarksEveryStationWhenThereAreNoPlatforms) {
    addStation(3, -1.5, 50.5);
    addStation(7, -1.25, 50.5);
    run("", 2);
    EXPECT_EQ(data.questList, "3#7#");
    EXPECT_EQ(data.questCount, 6);
    EXPECT_EQ(data.questTexts, (std::vector<std::string>{"Platforms?", "Platforms?"}));
    EXPECT_EQ(sink.captions, (std::vector<Long>{2, 3})); // questCount - questAreaCount before each
}

TEST_F(StationFixture, ServesAStationWithAPlatformCloserThanTwoMiles) {
    addStation(2, -1.5, 50.5);
    addStation(4, -1.0, 50.5);
    addStation(6, -1.5, 51.0);
    // 1.9 miles from station 2; exactly 2.0 from station 4; 2.5 from station 6 (and far from 2).
    run("-1.5,50.5296875#-1.03125,50.5#-1.5,50.9609375#");
    EXPECT_EQ(data.questList, "4#6#");
    EXPECT_EQ(sink.captions, (std::vector<Long>{3, 4}));
}

TEST_F(StationFixture, NeverMarksASubwayStationNorLetsItShiftAnother) {
    addStation(1, -1.75, 50.25, true); // subway, far from any platform
    addStation(5, -1.5, 50.5);         // served
    addStation(8, -1.0, 50.0);         // not served
    run("-1.5,50.5#");
    EXPECT_EQ(data.questList, "8#");
    EXPECT_EQ(data.questCount, 5);
}

TEST_F(StationFixture, DoesNothingWithoutStations) {
    run("-1.5,50.5#");
    EXPECT_EQ(data.questList, "");
    EXPECT_EQ(data.questCount, 4);
    EXPECT_TRUE(data.questTexts.empty());
    EXPECT_TRUE(sink.captions.empty());
}

TEST_F(StationFixture, SkipsStationIndicesThatNameNoNode) {
    addStation(3, -1.5, 50.5);
    stations.nodes = "0#abc#11#3#";
    run("broken#-1.0#");
    EXPECT_EQ(data.questList, "3#");
}

} // namespace
} // namespace osmimport
