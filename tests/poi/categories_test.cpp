// Repainting the legend cells and the shown flags for "all shown" and "hidden until chosen".

#include "core/window_fixture.h"
#include "platform/hourglass.h"
#include "poi/categories.h"
#include "poi/cells.h"
#include "window/countlabels.h"

namespace poi::testing {
namespace {

using core::kStripCells;
using core::testing::WindowTest;

class ShowiconsTest : public core::testing::WindowTest {
protected:
    // A loaded window whose categories 0, 5 and 22 (stations) have POIs, every cell painted
    // kUntouched and every flag set to a value no repaint writes.
    core::MapWindow& withCounts(basic::Long stations = 2) {
        core::MapWindow& map = load();
        for (int i = 1; i <= kStripCells; ++i)
            core::showCount(map, i, 0);
        core::showCount(map, 1, 3);
        core::showCount(map, 6, 12);
        core::showCount(map, 23, stations);
        for (int i = 0; i < kStripCells; ++i)
            paint(map.legendStrip.Shape9[i], kUntouched);
        map.data.catShown.fill(7);
        return map;
    }
};

TEST_F(ShowiconsTest, AllShownSetsEveryFlagAndPaintsByCount) {
    for (int mode : {1, -1}) {
        SCOPED_TRACE(mode);
        core::MapWindow& map = withCounts();
        showicons(map, mode);
        for (int i = 0; i < kStripCells; ++i) {
            EXPECT_EQ(map.data.catShown[i], basic::vbTrue) << i;
            const bool hasPois = i == 0 || i == 5 || i == 22;
            EXPECT_TRUE(hasLook(map.legendStrip.Shape9[i], hasPois ? kOn : kEmpty)) << i;
        }
        for (int i = kStripCells; i < core::kCategoryCount; ++i)
            EXPECT_EQ(map.data.catShown[i], 7) << i;
    }
}

TEST_F(ShowiconsTest, HiddenClearsFlagsAndPaintsCellsWithPoisPale) {
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        core::MapWindow& map = withCounts();
        showicons(map, mode);
        auto& cells = map.legendStrip.Shape9;
        for (int i = 0; i < 22; ++i)
            EXPECT_EQ(map.data.catShown[i], basic::vbFalse) << i;
        for (int i = 22; i < core::kCategoryCount; ++i)
            EXPECT_EQ(map.data.catShown[i], 7) << i;
        EXPECT_TRUE(hasLook(cells[0], kOff));
        EXPECT_TRUE(hasLook(cells[5], kOff));
        // Stations have no button: their cell stays on.
        EXPECT_TRUE(hasLook(cells[22], kOn));
        // Cells without POIs keep their colours and get the thin border.
        for (int i : {1, 4, 21}) {
            EXPECT_EQ(cells[i].backColor(), kUntouched.back) << i;
            EXPECT_EQ(cells[i].borderColor(), kUntouched.border) << i;
            EXPECT_EQ(cells[i].borderWidth(), 1) << i;
        }
    }
}

TEST_F(ShowiconsTest, HiddenLeavesAStationCellWithoutStationsAlone) {
    core::MapWindow& map = withCounts(0);
    showicons(map, 0);
    EXPECT_TRUE(hasLook(map.legendStrip.Shape9[22], kUntouched));
}

TEST_F(ShowiconsTest, EndsWithTheDefaultPointer) {
    core::MapWindow& map = withCounts();
    platform::hourglassOn();
    showicons(map, 1);
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
}

TEST_F(WindowTest, ShowiconsPassesOverCellsThatAreNotThere) {
    core::MapWindow& map = make(); // not loaded: only cell 0 exists
    core::showCount(map, 1, 4);
    showicons(map, 1);
    EXPECT_TRUE(hasLook(map.legendStrip.Shape9[0], kOn));
    EXPECT_EQ(map.data.catShown[22], basic::vbTrue);
    showicons(map, 0);
    EXPECT_TRUE(hasLook(map.legendStrip.Shape9[0], kOff));
    EXPECT_EQ(map.data.catShown[0], basic::vbFalse);
}

} // namespace
} // namespace poi::testing
