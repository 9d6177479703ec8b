#include "basic/numtext.h"
#include "import/nodeloop.h"
#include "recordingclient.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace osmimport {
namespace {

TEST(DetectQuoteTest, TakesTheQuoteAfterTheFirstNodesLat) {
    struct Case {
        const char* what;
        std::string text;
        char quote;
    };
    const Case cases[] = {
        {"JOSM file", "<osm generator='JOSM'><node id='1' lat='1' lon='2'/>", '\''},
        {"double quotes although JOSM is named", R"(<osm generator="JOSM"><node id="1" lat="1"/>)", '"'},
        {"apostrophes without JOSM", "<osm generator='other'><node id='1' lat='1'/>", '\''},
        {"bounds before the nodes do not count", R"(<bounds minlat='1'/><node lat="1"/>)", '"'},
        {"no nodes, JOSM in apostrophes", "<osm generator='JOSM 1.5'><bounds/>", '\''},
        {"no nodes, JOSM in double quotes", R"(<osm generator="JOSM"><bounds/>)", '\''},
        {"no nodes, another generator", R"(<osm generator="osmium">)", '"'},
        {"no nodes, lower-case josm", "<osm generator='josm'>", '"'},
        {"unquoted lat falls back to the generator", "<osm generator='JOSM'><node lat=5 />", '\''},
        {"empty text", "", '"'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(detectQuote(c.text), c.quote) << c.what;
}

TEST(NodePiecesTest, CutsTheTextAtEveryNode) {
    const std::string text = "<osm><node id=1/>\n<node id=2>x</node>\n<way id=3><nd ref=1/></way></osm>";
    const NodePieces pieces(text);
    ASSERT_EQ(pieces.count(), 2);
    EXPECT_EQ(countNodes(text), 2);
    EXPECT_EQ(pieces.header(), "<osm>");
    EXPECT_EQ(pieces.piece(1), " id=1/>\n");
    EXPECT_EQ(pieces.piece(2), " id=2>x</node>\n"); // the last node ends where the ways begin
}

TEST(NodePiecesTest, TheLastNodeEndsAtWhatFollowsTheNodes) {
    struct Case {
        const char* what;
        std::string text;
        std::string last;
    };
    const Case cases[] = {
        {"relation", "<node a/><relation/><way x/>", " a/>"},
        {"end of file", "<node a/></osm><way x/>", " a/>"},
        {"nothing after it", "<node a/>", " a/>"},
        {"a way element needs its blank", "<node a/><ways><way\tb/>", " a/><ways><way\tb/>"},
        {"ways before the nodes are in the header", "<way x/><node a/>", " a/>"},
    };
    for (const auto& c : cases) {
        const NodePieces pieces(c.text);
        EXPECT_EQ(pieces.piece(pieces.count()), c.last) << c.what;
    }
    EXPECT_EQ(NodePieces("<osm/>").count(), 0);
    EXPECT_EQ(NodePieces("<osm/>").header(), "<osm/>");
}

struct Loaded {
    ProjectData data;
    NodeIdIndex ids;
    bool finished = false;
};

const Projection kProjection{-1.6f, 51.5f, 20025, 1.515f};

Loaded load(const std::string& text, char quote = '"', NodeClassifier* classifier = nullptr,
            long cancelAt = 0) {
    Loaded out;
    RecordingClient client;
    client.cancelAt = cancelAt;
    const NodePieces pieces(text);
    out.finished = readNodes(pieces, quote, kProjection, out.data, out.ids, client, classifier);
    return out;
}

TEST(NodeLoopTest, TurnsPositionsIntoMapUnits) {
    const Loaded l = load(R"(<node id="1" lat="51.45" lon="-1.55"/><node id="2" lat="51.5" lon="-1.6"/>)");
    ASSERT_TRUE(l.finished);
    ASSERT_EQ(l.data.nodeCount, 2);
    EXPECT_EQ(basic::str(l.data.nodeX[1]), " 4001.25048828125");
    EXPECT_EQ(basic::str(l.data.nodeY[1]), " 4016.89379882813");
    EXPECT_EQ(l.data.nodeX[2], 3000.00048828125); // the Single origin is a little west of -1.6
    EXPECT_EQ(l.data.nodeY[2], 2500);
}

TEST(NodeLoopTest, ReadsTheLastNodeLikeEveryOther) {
    const Loaded l = load(R"(<node id="7" lat="51.5" lon="-1.5"><tag k="a" v="b"/></node>)"
                          R"(<way id="9"><nd ref="7"/><tag k="fixme" v="way"/></way>)");
    ASSERT_EQ(l.data.nodeCount, 1);
    EXPECT_EQ(l.data.nodeX[1], static_cast<Single>(0.10000002384185791 * 20025 + 3000));
    EXPECT_EQ(l.ids.find("7", false), 1);
    EXPECT_EQ(l.data.fixmeCount, 0); // the way's fixme is not the node's
}

TEST(NodeLoopTest, FilesEveryNodeUnderItsOwnId) {
    const Loaded l =
        load(R"(<node id="10" lat="1"/><node id="" lat="1"/><node lat="1"/>)"
             R"(<node id="abc" lat="1"/><node id="4294967296" lat="1"/><node id=" 012 " lat="1"/>)");
    EXPECT_EQ(l.ids.find("10", false), 1);
    EXPECT_EQ(l.ids.find("10", true), 1); // nodes 2 and 3 did not take the id of node 1
    EXPECT_EQ(l.ids.find("abc", false), 4);
    EXPECT_EQ(l.ids.find("4294967296", false), 5);
    EXPECT_EQ(l.ids.find("12", false), 6);
}

TEST(NodeLoopTest, MissingOrBadPositionsReadAsZero) {
    const Loaded l = load(R"(<node id="1" lon="x"/><node id="2" lat="1E999" lon="-1.6"/>)");
    EXPECT_EQ(l.data.nodeX[1], static_cast<Single>((0 + 1.6000000238418579) * 20025 + 3000));
    EXPECT_EQ(l.data.nodeY[1], static_cast<Single>(2500 - (0 - 51.5) * 20025 * 1.5149999856948853));
    EXPECT_EQ(l.data.nodeY[2], static_cast<Single>(2500 + 51.5 * 20025 * 1.5149999856948853));
}

// A coordinate beyond the globe is read as a missing one; its edges are positions.
TEST(NodeLoopTest, CoordinatesBeyondTheGlobeReadAsZero) {
    const Loaded l = load(R"(<node id="1" lat="-90.5" lon="1E300"/><node id="2" lat="-90" lon="180"/>)");
    EXPECT_EQ(l.data.nodeX[1], static_cast<Single>(1.6000000238418579 * 20025 + 3000));
    EXPECT_EQ(l.data.nodeY[1], static_cast<Single>(2500 + 51.5 * 20025 * 1.5149999856948853));
    EXPECT_EQ(l.data.nodeX[2], static_cast<Single>(181.6000000238418579 * 20025 + 3000));
}

TEST(NodeLoopTest, ListsFixmeNodesWithTheirDegrees) {
    const Loaded l = load(R"(<node id="1" lat="51.45" lon="-1.55"><tag k="FIXME" v="where?"/></node>)"
                          R"(<node id="2" lat="1" lon="2"/>)"
                          R"(<node id="3" lat="0.5" lon="-0.25"><tag k="note" v="Fixme later"/></node>)");
    EXPECT_EQ(l.data.fixmeCount, 2);
    EXPECT_EQ(l.data.fixmeList, "1^\"FIXME\"  \"where?\"  -1.55\\51.45\r\n"
                                "3^\"note\"  \"Fixme later\"  -0.25\\0.5\r\n");
}

class Recorder : public NodeClassifier {
public:
    struct Seen {
        Long index;
        std::string piece;
        std::string tagText;
        Double lon, lat, storedX;
    };
    std::vector<Seen> seen;
    Long stopAt = 0;

    bool takeNode(NodeInHand& node, ProjectData& data) override {
        seen.push_back(
            {node.index, std::string(node.piece), node.tagText, node.lon, node.lat, data.nodeX[node.index]});
        return node.index != stopAt;
    }
};

TEST(NodeLoopTest, HandsEachNodeToTheClassificationInDegrees) {
    Recorder recorder;
    const Loaded l = load("<node id='1' lat='51.45' lon='-1.55'><tag k='Name' v='A'/></node><node id='2'/>",
                          '\'', &recorder);
    ASSERT_EQ(recorder.seen.size(), 2u);
    EXPECT_EQ(recorder.seen[0].index, 1);
    EXPECT_EQ(recorder.seen[0].piece, "><tag k='Name' v='A'/></node>");
    EXPECT_EQ(recorder.seen[0].tagText, "><tag k='name' v='a'/></node>");
    EXPECT_EQ(recorder.seen[0].lon, -1.55);
    EXPECT_EQ(recorder.seen[0].lat, 51.45);
    EXPECT_EQ(recorder.seen[0].storedX, -1.55);
    EXPECT_EQ(recorder.seen[1].piece, ">"); // a self-closing node keeps only the ">" of its "/>"
    EXPECT_EQ(basic::str(l.data.nodeX[1]), " 4001.25048828125");
}

TEST(NodeLoopTest, APieceWithoutCloseKeepsItsAttributes) {
    Recorder recorder;
    load(R"(<node id="1" lat="2")", '"', &recorder);
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(recorder.seen[0].piece, R"( id="1" lat="2")");
}

TEST(NodeLoopTest, CancelStopsBeforeTheNextNode) {
    const std::string text =
        R"(<node id="1" lat="51.45" lon="-1.55"/><node id="2" lat="51.45" lon="-1.55"/>)";
    const Loaded l = load(text, '"', nullptr, 2);
    EXPECT_FALSE(l.finished);
    EXPECT_EQ(basic::str(l.data.nodeX[1]), " 4001.25048828125");
    EXPECT_EQ(l.data.nodeX[2], 0); // not reached
    EXPECT_EQ(l.ids.find("2", false), 0);

    Recorder recorder;
    recorder.stopAt = 1; // the classification finds the import cancelled
    const Loaded c = load(text, '"', &recorder);
    EXPECT_FALSE(c.finished);
    EXPECT_EQ(c.data.nodeX[1], -1.55); // stays in degrees
    EXPECT_EQ(recorder.seen.size(), 1u);
}

} // namespace
} // namespace osmimport
