// Re-opening the problem list that was open, for the newly opened file.

#include "core/window_fixture.h"
#include "poi/chkfrm.h"

#include <stdexcept>

namespace poi::testing {
namespace {

int gOpened = 0;
void openFixmes(core::MapWindow& map) {
    gOpened = 2;
    map.problems.Label8.setCaption("FIXMEs");
}
void openNotes(core::MapWindow&) {
    gOpened = 9;
}

class ChkfrmTest : public core::testing::WindowTest {
protected:
    void TearDown() override {
        registerPanelOpener(2, nullptr);
        registerPanelOpener(9, nullptr);
        WindowTest::TearDown();
    }
};

TEST_F(ChkfrmTest, RunsTheOpenerOfTheRecordedList) {
    core::MapWindow& map = load();
    registerPanelOpener(2, openFixmes);
    registerPanelOpener(9, openNotes);
    for (const auto& [kind, opened] : {std::pair{2, 2}, {9, 9}}) {
        gOpened = 0;
        map.d.listKind = static_cast<basic::Integer>(kind);
        chkfrm(map);
        EXPECT_EQ(gOpened, opened);
    }
    EXPECT_EQ(map.problems.Label8.caption(), "FIXMEs");
}

// 0 (nothing opened yet), 6 (never set), kinds beyond 9 and kinds whose panel is not built yet.
TEST_F(ChkfrmTest, OtherKindsOpenNothing) {
    core::MapWindow& map = load();
    registerPanelOpener(2, openFixmes);
    for (basic::Integer kind : {0, 6, 10, -1, 32767, 1, 5}) {
        gOpened = 0;
        map.d.listKind = kind;
        chkfrm(map);
        EXPECT_EQ(gOpened, 0) << kind;
    }
}

TEST(ChkfrmRegistryTest, OnlyListKindsTakeAnOpener) {
    for (basic::Integer kind : {0, 6, 10, -3})
        EXPECT_THROW(registerPanelOpener(kind, openNotes), std::invalid_argument) << kind;
}

} // namespace
} // namespace poi::testing
