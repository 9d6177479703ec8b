// Small OSM texts through the window-free import and the writer, compared byte for byte with the
// project files beside them.
//
// The node loop alone (OsmImport::run, without the classification hook) writes real values for
// the header origin, scale, file size and node count, the node positions, and the FIXME list
// and count; the node records and names are empty, there are no ways or labels, the drawing
// lists are empty ("#" where they start so), the marker counts are 1 and the count captions 0.
//
// The whole import (importOsm, the call the main window runs) writes the files of classified/,
// which the main window wrote before the import became one call.

#include "basic/wholefile.h"
#include "import/importosm.h"
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

// The listener of a headless import: labels are as wide as the window's font makes them for the
// cases here, none of which labels an area.
class HeadlessListener : public ImportListener {
public:
    std::vector<std::string> messages;
    void message(std::string_view text) override { messages.emplace_back(text); }
    void phase(std::string_view) override {}
    void progress(int) override {}
    void nodeLoopStarts(Long, Single) override {}
    bool cancelRequested() override { return false; }
    void nodesRead(const ProjectData&) override {}
    void count(int, Long) override {}
    void emptyTagCounted(Long) override {}
    void bridgeCounted(Long) override {}
    void caption(int, Long) override {}
    Single textWidth(std::string_view) override {
        ADD_FAILURE() << "a golden case labels an area";
        return 0;
    }
    void letEventsThrough() override {}
    void questCaption(Long) override {}
};

TEST_P(GoldenTest, TheWholeImportWritesWhatTheWindowWrote) {
    std::string osm = basic::readFileBytes(kFolder + GetParam() + ".osm");
    const ImportSettings settings{1.971f, static_cast<Single>(osm.size() / 1024.0 / 1024.0), 8010, 8010,
                                  16777215};
    HeadlessListener listener;
    const ImportResult got = importOsm(std::move(osm), settings, listener);
    ASSERT_EQ(got.end, ImportEnd::Done);
    EXPECT_TRUE(got.waysRead);
    EXPECT_EQ(projectFileBytes(got.data, got.quote),
              basic::readFileBytes(kFolder + "classified/" + GetParam() + ".vnk"));
}

TEST(GoldenTest, BoundBoxFormSaysSoAndStillWrites) {
    EXPECT_EQ(importCase("bound-box").messages,
              std::vector<std::string>{"This file contains no authorship details."});
}

TEST(GoldenTest, AFileWithoutBoundsWritesNothing) {
    const Imported got = importCase("no-bounds");
    EXPECT_EQ(got.end, ImportEnd::NoBounds);
    EXPECT_EQ(got.messages, std::vector<std::string>{"Can't find 'boundaries'"});

    HeadlessListener listener;
    const ImportResult whole =
        importOsm(basic::readFileBytes(kFolder + "no-bounds.osm"), ImportSettings{1.971f, 0, 8010}, listener);
    EXPECT_EQ(whole.end, ImportEnd::NoBounds);
    EXPECT_FALSE(whole.waysRead);
    EXPECT_EQ(listener.messages, got.messages);
}

} // namespace
} // namespace osmimport
