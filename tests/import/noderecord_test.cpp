#include "import/nodeclass_hook.h"

#include "import/noderecord.h"
#include "recordingclient.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace osmimport {
namespace {

struct NullSink : NodeClassSink {
    std::vector<int> counted;
    void count(int label, Long) override { counted.push_back(label); }
    void emptyTagCounted(Long) override {}
    void bridgeCounted(Long) override {}
};

struct RecordFixture : ::testing::Test {
    ProjectData data;
    NullSink sink;
    NodeClassifierRules rules{'"'};
    PoiDescriber describer{'"', data, sink};

    std::string lastDescription; // what the last take returned

    RecordFixture() { data.sizeNodes(20); }

    NodeClass take(Long index, const std::string& piece, Double lon = -1.5, Double lat = 51.25) {
        NodeInHand node;
        node.index = index;
        node.piece = piece;
        node.tagText = piece;
        for (char& c : node.tagText)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        node.lon = lon;
        node.lat = lat;
        NodeClass cls = rules.classify(node.piece, node.tagText);
        lastDescription = recordNode(cls, node, '"', describer, data);
        return cls;
    }
};

TEST_F(RecordFixture, RecordsAndNames) {
    const std::string pub = R"(><tag k="amenity" v="pub"/><tag k="name" v="Red Lion"/></node>)";
    take(1, pub);
    EXPECT_EQ(data.nodeInfo[1], "PUB" + pub + "#1");
    EXPECT_EQ(data.nodeName[1], "Red Lion");

    EXPECT_EQ(lastDescription, "Red Lion");

    take(2, "/>");
    EXPECT_EQ(lastDescription, "");
    EXPECT_EQ(data.nodeInfo[2], "");
    EXPECT_EQ(data.nodeName[2], "");

    take(3, R"(><tag k="amenity" v="cafe"/></node>)", -1.5, 51.25);
    EXPECT_EQ(data.nodeName[3], "1$Cafe: -1.5,51.25");

    take(4, R"(><tag k="highway" v="bus_stop"/></node>)", 2, 50);
    EXPECT_EQ(data.nodeName[4], "Bus Stop: 2,50");

    // A place keeps its "?" and no position, and its record carries the description.
    take(5, R"(><tag k="place" v="town"/><tag k="x" v="station"/></node>)");
    EXPECT_EQ(data.nodeName[5], "Name?");
    EXPECT_EQ(data.nodeInfo[5], "PLAName?#5");

    take(6, R"(><tag k="amenity" v="post_box"/></node>)");
    EXPECT_EQ(data.nodeInfo[6], "POS#6");
    EXPECT_EQ(lastDescription, ""); // not described
    EXPECT_EQ(data.nodeName[6], "");

    take(7, R"(><tag k="sport" v="tennis"/><tag k="x" v="station"/></node>)", 3, 4);
    EXPECT_EQ(data.nodeName[7], "Name of Club: 3,4");

    // The record carries the text with "&amp;" turned into "&" by the name search.
    take(8, R"(><tag k="amenity" v="pub"/><tag k="name" v="Fish &amp; Chips"/></node>)");
    EXPECT_EQ(data.nodeInfo[8], R"(PUB><tag k="amenity" v="pub"/><tag k="name" v="Fish & Chips"/></node>#8)");
    EXPECT_EQ(data.nodeName[8], "Fish & Chips");
}

TEST_F(RecordFixture, TagNodes) {
    const std::string noted = R"(><tag k="foo" v="bar"/><tag k="note" v="check this"/></node>)";
    take(1, noted);
    EXPECT_EQ(data.nodeInfo[1], "TAG" + noted + "#1");
    EXPECT_EQ(data.nodeName[1], "");
    EXPECT_EQ(data.noteList, "1+check this\r\n");
    EXPECT_EQ(data.otherNodesList, "1+check this\r\n");
    EXPECT_EQ(data.noteCount, 1);

    take(2, R"(><tag k="fixme" v="where"/></node>)");
    EXPECT_EQ(data.nodeInfo[2], R"(TAG><tag k="fixme" v="where"/></node>#2)");
    EXPECT_EQ(data.otherNodesList, "1+check this\r\n");

    take(3, R"(><tag k="foo" v="bar"/></node>)");
    EXPECT_EQ(data.otherNodesList, "1+check this\r\n3+bar\r\n");

    EXPECT_EQ(take(4, R"(><tag k="highway" v="motorway_junction"/><tag k="ref" v="12"/></node>)").code,
              "MOT");
    EXPECT_EQ(data.nodeInfo[4], "MOT12");
    take(5, R"(><tag k="highway" v="motorway_junction"/></node>)");
    EXPECT_EQ(data.nodeInfo[5], "MOTJ~");
    // A ref key of another form gives "J?", whose "?" goes and whose "J" keeps the position off.
    take(6, R"(><tag k="highway" v="motorway_junction"/><tag k="ref:uk" v="9"/></node>)");
    EXPECT_EQ(data.nodeInfo[6], "MOTJ");

    take(7, R"(><tag k="created_by" v="JOSM"/>)");
    EXPECT_EQ(data.nodeInfo[7], "");
    EXPECT_EQ(data.otherNodesList, "1+check this\r\n3+bar\r\n");

    // An empty tag value keeps "TAG" with its mark, on a motorway too, and names the node.
    EXPECT_EQ(take(8, R"(><tag k="highway" v="motorway_junction"/><tag k="ref" v=""/></node>)").code, "TAG+");
}

TEST(PoiClassificationTest, ClassifiesThroughTheImportRun) {
    for (const char q : {'"', '\''}) {
        SCOPED_TRACE(q);
        std::string text = "<osm";
        if (q == '\'') text += " generator='JOSM'";
        text += ">\n<bounds minlat=\"51.4\" minlon=\"-1.6\" maxlat=\"51.5\" maxlon=\"-1.5\"/>\n";
        const auto attr = [q](const char* k, const char* v) {
            return std::string("<tag k=") + q + k + q + " v=" + q + v + q + "/>";
        };
        text += std::string("<node id=") + q + "1" + q + " lat=" + q + "51.45" + q + " lon=" + q + "-1.55" +
                q + ">" + attr("amenity", "pub") + attr("name", "Red Lion") + "</node>\n";
        text += std::string("<node id=") + q + "2" + q + " lat=" + q + "51.45" + q + " lon=" + q + "-1.55" +
                q + ">" + attr("natural", "bay") + attr("name", "Cardigan Bay") + "</node>\n";
        text += "<node id=\"3\"/>\n<way id=\"1\"></way></osm>";
        RecordingClient client;
        OsmImport import(text, ImportSettings{1.971f, 1, 8010}, client);
        NullSink sink;
        PoiClassification classification(import, sink);
        ProjectData data;
        ASSERT_EQ(import.run(data, &classification), ImportEnd::NodesRead);
        ASSERT_GE(data.nodeCount, 2);
        EXPECT_EQ(data.nodeInfo[1].substr(0, 3), "PUB");
        EXPECT_EQ(data.nodeName[1], "Red Lion");
        EXPECT_EQ(data.nodeInfo[2].substr(0, 3), "BAY");
        EXPECT_EQ(data.placeList, "2#\x1f"
                                  "Cardigan Bay\r\n");
        EXPECT_EQ(sink.counted, (std::vector<int>{2}));
    }
}

} // namespace
} // namespace osmimport
