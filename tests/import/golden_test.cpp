// Small OSM texts through the window-free import and the writer, compared byte for byte with the
// project files beside them. Before classification and the way phase exist, a project file holds
// real values for the header origin, scale, file size and node count, the node positions, and
// the FIXME list and count; the node records and names are empty, there are no ways or labels,
// the drawing lists are empty ("#" where they start so), the marker counts are 1 and the count
// captions 0.

#include "basic/wholefile.h"
#include "import/importrun.h"
#include "import/projectreader.h"
#include "import/projectwriter.h"
#include "recordingclient.h"

#include <gtest/gtest.h>
#include <string>

namespace osmimport {
namespace {

const std::string kFolder = std::string(VK_TEST_DATA) + "/import/";

struct Imported {
    ImportEnd end;
    std::string bytes;
    std::vector<std::string> messages;
};

Imported importCase(const std::string& name) {
    std::string osm = basic::readFileBytes(kFolder + name + ".osm");
    const ImportSettings settings{1.971f, static_cast<Single>(osm.size() / 1024.0 / 1024.0), 8010};
    RecordingClient client;
    OsmImport run(std::move(osm), settings, client);
    ProjectData data;
    Imported out{run.run(data), {}, {}};
    if (out.end == ImportEnd::NodesRead) out.bytes = projectFileBytes(data, run.quoteChar());
    out.messages = client.messages;
    return out;
}

class GoldenTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenTest, ImportWritesTheExpectedProjectFile) {
    const Imported got = importCase(GetParam());
    ASSERT_EQ(got.end, ImportEnd::NodesRead);
    EXPECT_EQ(got.bytes, basic::readFileBytes(kFolder + GetParam() + ".vnk"));
}

TEST_P(GoldenTest, TheProjectFileReadsBackToTheSameBytes) {
    const Imported got = importCase(GetParam());
    ASSERT_EQ(got.end, ImportEnd::NodesRead);
    EXPECT_EQ(projectFileBytes(readProjectFile(got.bytes), '"'), got.bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest,
                         ::testing::Values("pretty-double", "compact-josm", "bound-box", "sharp-s",
                                           "generator-josm-double", "no-nodes-josm"));

TEST(GoldenTest, BoundBoxFormSaysSoAndStillWrites) {
    EXPECT_EQ(importCase("bound-box").messages,
              std::vector<std::string>{"This file contains no authorship details."});
}

TEST(GoldenTest, AFileWithoutBoundsWritesNothing) {
    const Imported got = importCase("no-bounds");
    EXPECT_EQ(got.end, ImportEnd::NoBounds);
    EXPECT_EQ(got.messages, std::vector<std::string>{"Can't find 'boundaries'"});
}

} // namespace
} // namespace osmimport
