// Every real extract cut at 100 evenly spaced lengths and imported headless: each cut ends in one
// of the import's outcomes, with its message where it has one, and a cut that imports gives a
// project file that reads back with the nodes the cut holds.

#include "basic/text.h"
#include "import/projectreader.h"
#include "import/projectwriter.h"
#include "robust_import.h"

#include <gtest/gtest.h>

namespace osmimport::testing {
namespace {

// What an import of the cut must end in: the header (up to the first "<node") decides.
struct Expected {
    ImportEnd end;
    std::vector<std::string> messages;
};

Expected expectedFor(std::string_view cut) {
    if (cut.empty()) return {ImportEnd::EmptyText, {}};
    const std::string_view header = cut.substr(0, cut.find("<node"));
    if (header.find("<bounds") != std::string_view::npos) return {ImportEnd::NodesRead, {}};
    if (header.find("<bound") != std::string_view::npos)
        return {ImportEnd::NodesRead, {std::string(kNoAuthorshipMessage)}};
    return {ImportEnd::NoBounds, {std::string(kNoBoundsMessage)}};
}

TEST(RobustTruncationTest, EveryCutOfARealExtractEndsInAnOutcome) {
    for (const std::string& name : realExtracts()) {
        const std::string whole = testData(name);
        int imported = 0;
        for (std::size_t k = 0; k < 100; ++k) {
            const std::string cut = whole.substr(0, whole.size() * k / 100);
            SCOPED_TRACE(name + " cut at " + std::to_string(cut.size()) + " bytes");
            const Expected expected = expectedFor(cut);
            const Imported r = importText(cut);
            ASSERT_EQ(r.end, expected.end);
            EXPECT_EQ(r.messages, expected.messages);
            if (r.end != ImportEnd::NodesRead) continue;
            ++imported;
            ASSERT_EQ(r.data.nodeCount, basic::count(cut, "<node"));
            const ProjectData back = readProjectFile(projectFileBytes(r.data, r.quote));
            ASSERT_EQ(back.nodeCount, r.data.nodeCount);
            for (Long i = 1; i <= back.nodeCount; ++i) {
                ASSERT_EQ(static_cast<Single>(back.nodeX[i]), static_cast<Single>(r.data.nodeX[i])) << i;
                ASSERT_EQ(static_cast<Single>(back.nodeY[i]), static_cast<Single>(r.data.nodeY[i])) << i;
            }
        }
        EXPECT_GT(imported, 90) << name; // the bounds stand near the top of every extract
    }
}

TEST(RobustTruncationTest, CancellingAnywhereInTheNodeLoopEndsTheImport) {
    const std::string whole = testData("three-rivers-josm.osm");
    const Long nodes = basic::count(whole, "<node");
    for (Long at : {Long{1}, Long{2}, nodes / 2, nodes}) {
        SCOPED_TRACE("cancelled when asked for the " + std::to_string(at) + "th time");
        const Imported r = importText(whole, at);
        EXPECT_EQ(r.end, ImportEnd::Cancelled);
        EXPECT_EQ(r.messages, std::vector<std::string>{});
    }
    EXPECT_EQ(importText(whole, nodes + 1).end, ImportEnd::NodesRead);
}

} // namespace
} // namespace osmimport::testing
