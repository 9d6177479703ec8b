// The drawing lists read into way indices.

#include "render/waygeometry.h"
#include "window/mapdata.h"

#include <gtest/gtest.h>

namespace render {
namespace {

using basic::Long;

TEST(WayGeometry, TheWaterwayListMarksItsWays) {
    core::MapData d;
    d.sizeNodes(0);
    d.sizeWays(12);
    d.waterwayList = "#2#12#";
    d.areaList = "5#7#";
    d.boundaryList = "#";
    const DrawingLists lists = readDrawingLists(d);
    EXPECT_EQ(lists.waterways, (std::vector<Long>{2, 12}));
    EXPECT_EQ(lists.areas, (std::vector<Long>{5, 7}));
    EXPECT_TRUE(lists.lines.empty());
    ASSERT_EQ(lists.onWaterwayList.size(), 13u);
    for (Long i = 0; i <= 12; ++i)
        EXPECT_EQ(lists.onWaterwayList[static_cast<std::size_t>(i)], i == 2 || i == 12) << i;
}

} // namespace
} // namespace render
