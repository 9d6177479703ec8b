#include "import/importrun.h"

#include "basic/text.h"
#include "recordingclient.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace osmimport {
namespace {

using Calls = std::vector<std::string>;

const std::string kBounds = R"(<bounds minlat="51.4" minlon="-1.6" maxlat="51.5" maxlon="-1.5"/>)";
const std::string kBoundBox = R"(<bound box="51.5,-0.2,51.6,-0.1"/>)";
const std::string kNodeLimit = "message:File contains more than 100000 nodes. Program could become unstable.";

std::string nodes(Long count) {
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 40);
    for (Long i = 1; i <= count; ++i)
        text += "<node id=\"" + std::to_string(i) + "\" lat=\"51.45\" lon=\"-1.55\"/>\n";
    return text;
}

struct Outcome {
    ImportEnd end;
    Calls calls;
    ProjectData data;
    char quote;
    bool hasAuthorship;
};

Outcome showmap(std::string text, long cancelAt = 0) {
    RecordingClient client;
    client.cancelAt = cancelAt;
    OsmImport import(std::move(text), ImportSettings{1.971f, 2.5f, 8010}, client);
    Outcome r{ImportEnd::NodesRead, {}, {}, '"', true};
    r.data.nodeCount = 77; // left over from an earlier import
    r.end = import.run(r.data);
    r.calls = client.calls;
    r.quote = import.quoteChar();
    r.hasAuthorship = import.hasAuthorship();
    return r;
}

TEST(ImportRunTest, RunsThePhasesInOrder) {
    const Outcome r = showmap("<osm>" + kBounds + nodes(3) + "</osm>");
    EXPECT_EQ(r.end, ImportEnd::NodesRead);
    EXPECT_EQ(r.calls, (Calls{"phase:parsing names...", "progress:15", "phase:parsing nodes...", "nodes:3"}));
    EXPECT_EQ(r.data.nodeCount, 3);
    EXPECT_EQ(r.data.mapScale, 20025);
    EXPECT_EQ(r.data.fileVersion, 1.971f);
    EXPECT_EQ(r.data.fileSizeMB, 2.5f);
    EXPECT_TRUE(r.hasAuthorship);
}

TEST(ImportRunTest, EarlyStops) {
    struct Case {
        const char* what;
        std::string text;
        ImportEnd end;
        Calls calls;
    };
    const Case cases[] = {
        {"empty text", "", ImportEnd::EmptyText, {}},
        {"no bounds",
         "<osm>" + nodes(2),
         ImportEnd::NoBounds,
         {"phase:parsing names...", "progress:15", "phase:parsing nodes...",
          "message:Can't find 'boundaries'"}},
        {"bounds after the first node do not count",
         "<osm>" + nodes(1) + kBounds,
         ImportEnd::NoBounds,
         {"phase:parsing names...", "progress:15", "phase:parsing nodes...",
          "message:Can't find 'boundaries'"}},
        {"over the limit: refused before the names phase",
         kBounds + nodes(100001),
         ImportEnd::TooManyNodes,
         {kNodeLimit}},
        {"over the limit without bounds: the bounds message alone",
         nodes(100001),
         ImportEnd::NoBounds,
         {"message:Can't find 'boundaries'"}},
        {"over the limit in the box form: both messages, bounds first",
         kBoundBox + nodes(100001),
         ImportEnd::TooManyNodes,
         {"message:This file contains no authorship details.", kNodeLimit}},
    };
    for (const auto& c : cases) {
        const Outcome r = showmap(c.text);
        EXPECT_EQ(r.end, c.end) << c.what;
        EXPECT_EQ(r.calls, c.calls) << c.what;
        EXPECT_EQ(r.data.nodeCount, 0) << c.what; // the data start afresh
    }
}

TEST(ImportRunTest, AcceptsExactlyTheNodeLimit) {
    const Outcome r = showmap(kBounds + nodes(100000));
    EXPECT_EQ(r.end, ImportEnd::NodesRead);
    ASSERT_EQ(r.data.nodeCount, 100000);
    EXPECT_EQ(r.data.nodeX[100000], r.data.nodeX[1]);
}

TEST(ImportRunTest, CountsTheNodesOfTheRewrittenTextToo) {
    // A sharp s lower-cases the text, which turns "<NODE" into a node after the first count.
    const Outcome r = showmap(kBounds + nodes(100000) +
                                "<NODE id=\"x\"/><tag v=\"Stra\xC3\x9F"
                                "e\"/>");
    EXPECT_EQ(r.end, ImportEnd::TooManyNodes);
    EXPECT_EQ(r.calls,
              (Calls{"phase:parsing names...", "progress:15", "phase:parsing nodes...", kNodeLimit}));
}

TEST(ImportRunTest, BoundBoxFormHasNoAuthorshipAndScale4800) {
    const Outcome r = showmap(kBoundBox + nodes(1));
    EXPECT_EQ(r.end, ImportEnd::NodesRead);
    EXPECT_FALSE(r.hasAuthorship);
    EXPECT_EQ(r.data.mapScale, 4800);
    ASSERT_GT(r.calls.size(), 3u);
    EXPECT_EQ(r.calls[3], "message:This file contains no authorship details.");
}

TEST(ImportRunTest, EqualEdgesKeepTheScaleOfOne) {
    const Outcome r = showmap(R"(<bounds minlon="2" maxlat="50" maxlon="2"/>)" + nodes(1));
    EXPECT_EQ(r.end, ImportEnd::NodesRead);
    EXPECT_EQ(r.data.mapScale, 1);
}

TEST(ImportRunTest, ReadsJosmFilesWithApostrophes) {
    const Outcome r = showmap("<osm generator='JOSM'><bounds minlat='51.4' minlon='-1.6' maxlat='51.5' "
                                "maxlon='-1.5'/><node id='1' lat='51.45' lon='-1.55'><tag k='created_by' "
                                "v='JOSM'/></node></osm>");
    EXPECT_EQ(r.quote, '\'');
    EXPECT_EQ(r.data.mapScale, 20025);
    ASSERT_EQ(r.data.nodeCount, 1);
    EXPECT_EQ(r.data.nodeX[1], 4001.25048828125);
}

TEST(ImportRunTest, ReleasingTheTextKeepsWhatTheProjectFileNeeds) {
    RecordingClient client;
    OsmImport import("<osm generator='JOSM'><bounds minlat='51.4' minlon='-1.6' maxlat='51.5' "
                     "maxlon='-1.5'/><node id='7' lat='51.45' lon='-1.55'/><way id='1'/></osm>",
                     ImportSettings{1.971f, 2.5f, 8010}, client);
    ProjectData data;
    ASSERT_EQ(import.run(data), ImportEnd::NodesRead);
    ASSERT_FALSE(import.text().empty());
    ASSERT_EQ(import.nodeIds().find("7", false), 1);
    import.releaseText();
    EXPECT_TRUE(import.text().empty());
    EXPECT_EQ(import.nodeIds().find("7", false), 0);
    EXPECT_EQ(import.quoteChar(), '\'');
    EXPECT_EQ(data.nodeCount, 1);
}

TEST(ImportRunTest, TheLaterPhasesReadTheTextFromTheFirstWayOrRelationWhole) {
    // Node text of several release steps: the node loop gives back what it has passed, and
    // everything from the first way or relation on, nodes after it included, must stay intact.
    std::string tagged;
    for (Long i = 1; i <= 60000; ++i)
        tagged += "<node id=\"" + std::to_string(i) + "\" lat=\"51.45\" lon=\"-1.55\"><tag k=\"fixme\" v=\"" +
                  std::string(120, 'n') + "\"/></node>\n";
    const std::string way = "<way id=\"1\"><nd ref=\"1\"/><nd ref=\"60000\"/></way>\n";
    const std::string relation = "<relation id=\"1\"><member type=\"way\" ref=\"1\"/></relation>\n";
    const std::string late = "<node id=\"60001\" lat=\"51.46\" lon=\"-1.56\"/>\n";
    struct Case {
        const char* what;
        std::string before; // the text before the first way or relation, after the bounds
        std::string later;  // the text from there on
    };
    const std::vector<Case> cases = {
        {"ways after the nodes", tagged, way + relation + "</osm>"},
        {"a relation first", tagged, relation + way + "</osm>"},
        {"the nodes after a way", late, way + tagged + "</osm>"},
    };
    for (const Case& c : cases) {
        RecordingClient client;
        OsmImport import("<osm>" + kBounds + c.before + c.later, ImportSettings{1.971f, 2.5f, 8010}, client);
        ProjectData data;
        ASSERT_EQ(import.run(data), ImportEnd::NodesRead) << c.what;
        EXPECT_EQ(import.text(), c.later) << c.what;
        EXPECT_EQ(import.nodeIds().find("60000", false), c.before == late ? 60001 : 60000) << c.what;
        // Each node was read whole before its text went back.
        EXPECT_EQ(data.fixmeCount, 60000) << c.what;
        EXPECT_EQ(basic::count(data.fixmeList, std::string(120, 'n')), 60000) << c.what;
    }
}

TEST(ImportRunTest, DoubleQuotedFileNamingJosmIsReadWithDoubleQuotes) {
    const Outcome r = showmap(R"(<osm generator="JOSM">)" + kBounds + nodes(1));
    EXPECT_EQ(r.quote, '"');
    ASSERT_EQ(r.data.nodeCount, 1);
    EXPECT_EQ(r.data.nodeX[1], 4001.25048828125); // read with "'" the position would be lost
}

TEST(ImportRunTest, CancelDuringTheNodeLoop) {
    const Outcome r = showmap(kBounds + nodes(5), 3);
    EXPECT_EQ(r.end, ImportEnd::Cancelled);
    ASSERT_EQ(r.data.nodeCount, 5);
    EXPECT_EQ(r.data.nodeX[2], 4001.25048828125);
    EXPECT_EQ(r.data.nodeX[3], 0);
}

} // namespace
} // namespace osmimport
