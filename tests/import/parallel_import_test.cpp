// The node and way phases shared among several threads in small chunks give the project data,
// the messages and the window's calls of the plain one-thread loop, byte for byte; and a cancel
// while helpers read ahead ends the import.

#include "basic/wholefile.h"
#include "import/importosm.h"
#include "import/projectwriter.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace osmimport {
namespace {

// Records every call of the import but the cancel questions, whose number depends on how long
// the calling thread waits for its helpers; cancels once asked `cancelAfter` times after the way
// phase started (0: never).
class CallRecorder : public ImportListener {
public:
    std::vector<std::string> calls;
    long cancelAfter = 0;
    bool inWays = false;
    long askedInWays = 0;

    void message(std::string_view text) override { calls.push_back("message " + std::string(text)); }
    void phase(std::string_view caption) override {
        inWays = caption == "parsing highways...";
        calls.push_back("phase " + std::string(caption));
    }
    void progress(int percent) override { calls.push_back("progress " + std::to_string(percent)); }
    void nodeLoopStarts(Long nodes, Single) override { calls.push_back("nodes " + std::to_string(nodes)); }
    bool cancelRequested() override { return inWays && cancelAfter > 0 && ++askedInWays >= cancelAfter; }
    void nodesRead(const ProjectData&) override { calls.emplace_back("nodes read"); }
    void count(int label, Long total) override { record("count", label, total); }
    void emptyTagCounted(Long before) override { record("empty tag", 0, before); }
    void bridgeCounted(Long before) override { record("bridge", 0, before); }
    void caption(int label, Long value) override { record("caption", label, value); }
    Single textWidth(std::string_view text) override { return static_cast<Single>(7 * text.size()); }
    void letEventsThrough() override {}
    void questCaption(Long value) override { record("quest caption", 0, value); }

private:
    void record(const char* what, int label, Long value) {
        calls.push_back(std::string(what) + " " + std::to_string(label) + " " + std::to_string(value));
    }
};

struct Outcome {
    ImportEnd end = ImportEnd::EmptyText;
    std::string bytes;
    std::vector<std::string> calls;
};

Outcome importWith(const std::string& osm, const std::optional<basic::ChunkPlan>& plan, long cancelAfter = 0) {
    const ImportSettings settings{1.971f, static_cast<Single>(osm.size() / 1024.0 / 1024.0), 8010, 8010,
                                  16777215};
    CallRecorder listener;
    listener.cancelAfter = cancelAfter;
    ImportResult result = importOsm(osm, settings, listener, plan);
    Outcome out{result.end, {}, std::move(listener.calls)};
    if (result.end == ImportEnd::Done) out.bytes = projectFileBytes(result.data, result.quote);
    return out;
}

std::string testFile(const std::string& name) {
    return basic::readFileBytes(std::string(VK_TEST_DATA) + "/" + name);
}

// The real extracts and the hostile slivers, cut at many places: chunks of 1 to 40 elements on
// 1 to 5 helpers, chosen at random (seeded, so a failure can be run again).
TEST(ParallelImportTest, AnyChunkingGivesTheOneThreadResult) {
    std::mt19937 random(26);
    for (const char* name : {"three-rivers-josm.osm", "west-oakland.osm", "karlsruhe-boundary.osm",
                             "fields-48.135-10.068.osm", "fuzz/import-sliver-buildings.osm"}) {
        const std::string osm = testFile(name);
        const Outcome plain = importWith(osm, basic::ChunkPlan{1u << 30, 0});
        ASSERT_EQ(plain.end, ImportEnd::Done) << name;
        for (int round = 0; round < 3; ++round) {
            const basic::ChunkPlan plan{std::uniform_int_distribution<std::size_t>(1, 40)(random),
                                        std::uniform_int_distribution<unsigned>(1, 5)(random)};
            const Outcome shared = importWith(osm, plan);
            SCOPED_TRACE(std::string(name) + " in chunks of " + std::to_string(plan.chunkSize) + " on " +
                         std::to_string(plan.helpers) + " helpers");
            EXPECT_EQ(shared.end, ImportEnd::Done);
            EXPECT_TRUE(shared.bytes == plain.bytes) << "the project files differ";
            EXPECT_EQ(shared.calls, plain.calls);
        }
    }
}

// A cancel while helpers read the ways ahead (and search the slivers' labels) ends the import,
// whether it comes at the first question of the way phase or later; the phase does not run on
// to its end.
TEST(ParallelImportTest, ACancelInTheWayPhaseEndsTheImport) {
    struct Case {
        const char* name;
        long after;
    };
    for (const Case c : {Case{"fuzz/import-sliver-buildings.osm", 1}, Case{"fuzz/import-sliver-buildings.osm", 2},
                         Case{"west-oakland.osm", 25}, Case{"three-rivers-josm.osm", 300}}) {
        const std::string osm = testFile(c.name);
        const Outcome got = importWith(osm, basic::ChunkPlan{2, 3}, c.after);
        EXPECT_EQ(got.end, ImportEnd::Cancelled) << c.name << " " << c.after;
        EXPECT_TRUE(got.bytes.empty());
        EXPECT_LT(got.calls.size(), importWith(osm, basic::ChunkPlan{2, 3}).calls.size()) << c.name;
    }
}

} // namespace
} // namespace osmimport
