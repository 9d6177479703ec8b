#include "import/nodeclass_step.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace osmimport {
namespace {

struct RecordingSink : NodeClassSink {
    std::vector<int> counted;
    std::vector<Long> totals;
    std::vector<Long> emptyTagCaptions;
    std::vector<Long> bridgeCaptions;
    void count(int label, Long total) override {
        counted.push_back(label);
        totals.push_back(total);
    }
    void emptyTagCounted(Long before) override { emptyTagCaptions.push_back(before); }
    void bridgeCounted(Long before) override { bridgeCaptions.push_back(before); }
};

struct StepFixture : ::testing::Test {
    NodeClassifierRules rules{'"'};
    ProjectData data;
    StationLists stations;
    RecordingSink sink;

    void take(Long index, const std::string& piece, Double lon = 0, Double lat = 0) {
        NodeInHand node;
        node.index = index;
        node.piece = piece;
        node.tagText = piece; // the test texts are lower case already
        node.lon = lon;
        node.lat = lat;
        applyNodeClass(rules.classify(node.piece, node.tagText), node, data, stations, sink);
    }
};

TEST_F(StepFixture, CountsOnEveryLabelTheRulesPassed) {
    take(1, R"(><tag k="amenity" v="pub"/>)");
    take(2, R"(><tag k="railway" v="station"/><tag k="station" v="subway"/><tag k="shop" v="kiosk"/>)");
    take(3, R"(><tag k="amenity" v="clock"/>)");
    take(4, R"(><tag k="amenity" v="clock"/>)");
    take(7, R"(><tag k="amenity" v="pub"/>)");
    EXPECT_EQ(sink.counted, (std::vector<int>{2, 23, 10, 2}));
    // The counts are the data's: the label is told each new total.
    EXPECT_EQ(sink.totals, (std::vector<Long>{1, 1, 1, 2}));
    EXPECT_EQ(data.countCaptions[2], 2);
    EXPECT_EQ(data.countCaptions[23], 1);
    EXPECT_EQ(data.amenityTotal, 2);
}

TEST_F(StepFixture, StationListsKeepSubwaysOffTheNodeList) {
    take(5, R"(><tag k="railway" v="station"/>)", -1.5, 52.25);
    take(6, R"(><tag k="railway" v="station"/><tag k="station" v="subway"/>)", 2, 51);
    EXPECT_EQ(stations.positions, "-1.5,52.25#2,51#");
    EXPECT_EQ(stations.nodes, "5#");
}

TEST_F(StepFixture, EmptyTagAndBridgeMarkersStayAlignedWithTheirLists) {
    const std::string emptyPub = R"(><tag k="amenity" v="pub"/><tag k="name" v=""/>)";
    take(7, emptyPub);
    take(8, R"(><tag k="bridge" v="yes"/>)");
    take(9, R"(><tag k="ref" v=""/>)");
    EXPECT_EQ(data.quotList, "7#9#");
    EXPECT_EQ(data.quotCount, 3);
    ASSERT_EQ(data.quotTexts.size(), 2u);
    EXPECT_EQ(data.quotTexts[0], emptyPub);
    EXPECT_EQ(sink.emptyTagCaptions, (std::vector<Long>{1, 2}));
    EXPECT_EQ(data.questList, "8#");
    EXPECT_EQ(data.questCount, 2);
    EXPECT_EQ(data.questTexts, (std::vector<std::string>{kBridgeMessage}));
    EXPECT_EQ(sink.bridgeCaptions, (std::vector<Long>{1}));
}

TEST_F(StepFixture, MarkerCountsGoPastTheSixteenBitRange) {
    data.quotCount = 32767;
    take(10, R"(><tag k="name" v=""/>)");
    take(11, R"(><tag k="name" v=""/>)");
    EXPECT_EQ(data.quotCount, 32769);
    EXPECT_EQ(sink.emptyTagCaptions, (std::vector<Long>{32767, 32768}));
    EXPECT_EQ(data.quotTexts.size(), 2u);
}

TEST_F(StepFixture, UntaggedNodeChangesNothing) {
    take(12, "></node>");
    EXPECT_TRUE(sink.counted.empty());
    EXPECT_EQ(data.quotList, "");
    EXPECT_EQ(stations.positions, "");
}

} // namespace
} // namespace osmimport
