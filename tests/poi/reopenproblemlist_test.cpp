// Re-opening the problem list that was open, for the newly opened file.

#include "core/window_fixture.h"
#include "poi/reopenproblemlist.h"

namespace poi::testing {
namespace {

using core::testing::WindowTest;

TEST_F(WindowTest, ChkfrmOpensTheRecordedKindAgain) {
    core::MapWindow& map = load();
    const std::pair<basic::Integer, const char*> kinds[] = {
        {1, "Areas not displayed"},
        {2, "FIXMEs"},
        {3, "Amenities without icons"},
        {4, "Other Nodes"},
        {5, "Highways not displayed"},
        {7, "Areas not closed"},
        {8, "Empty Tags"},
        {9, "Notes"},
    };
    for (const auto& [kind, title] : kinds) {
        map.data.listKind = kind;
        map.problems.Label8.setCaption("");
        reopenProblemList(map);
        EXPECT_EQ(map.problems.Label8.caption(), title) << kind;
        EXPECT_EQ(map.data.listKind, kind);
    }
}

TEST_F(WindowTest, ChkfrmOpensNothingForOtherKinds) {
    core::MapWindow& map = load();
    for (basic::Integer kind : {0, 6, 10, -1, 32767}) {
        map.data.listKind = kind;
        map.problems.Label8.setCaption("none");
        reopenProblemList(map);
        EXPECT_EQ(map.problems.Label8.caption(), "none") << kind;
        EXPECT_FALSE(map.problems.frame4.visible()) << kind;
    }
}

} // namespace
} // namespace poi::testing
