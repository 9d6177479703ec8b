// Removing the search hits before another file is opened.

#include "core/window_fixture.h"
#include "poi/unloadpois.h"

namespace poi::testing {
namespace {

using UnloadPoisTest = core::testing::WindowTest;

// Node hits 12 and 40 and the label hit 3: three arrows, all of which leave the map.
TEST_F(UnloadPoisTest, EveryListedArrowGoesAndTheResultsEmpty) {
    core::MapWindow& map = load();
    core::ImageArray& arrows = map.markers.pointr;
    for (int i = 1; i <= 3; ++i)
        arrows.load(i);
    map.data.pointrList = "#12#40#$3$";
    map.data.pointrCount = 3;
    map.search.List3[core::kCategorySearch].addItem("Barclays");
    map.search.List3[core::kNameSearch].addItem("The Swan");

    unloadpois(map);

    EXPECT_EQ(arrows.ubound(), 0);
    EXPECT_TRUE(arrows.exists(0)) << "the template stays";
    EXPECT_EQ(map.data.pointrList, "#");
    EXPECT_EQ(map.data.pointrCount, 0);
    EXPECT_EQ(map.search.List3[core::kCategorySearch].listCount(), 0);
    EXPECT_EQ(map.search.List3[core::kNameSearch].listCount(), 0);
}

TEST_F(UnloadPoisTest, GapsAndAnEmptyListArePassedOver) {
    core::MapWindow& map = load();
    core::ImageArray& arrows = map.markers.pointr;
    arrows.load(1);
    arrows.load(4);
    map.data.pointrList = "#7#9#";
    map.data.pointrCount = 4;
    unloadpois(map);
    EXPECT_EQ(arrows.count(), 1);

    unloadpois(map); // nothing left to unload
    EXPECT_EQ(arrows.count(), 1);
    EXPECT_EQ(map.data.pointrList, "#");
}

} // namespace
} // namespace poi::testing
