// Loading one search arrow: its place beside the hit, its Tag, its count, and the end of the
// array.

#include "namesearch_fixture.h"
#include "poi/namesearch.h"
#include "poi/searcharrows.h"
#include "render/mapstyle.h"

namespace poi::testing {
namespace {

using SearchArrowsTest = SearchTest;

TEST_F(SearchArrowsTest, TheTipLandsOnTheMapPointAtTheCurrentView) {
    core::MapWindow& map = opened();
    map.global.viewZoom = 6;
    map.global.viewOffX = -250;
    map.global.viewOffY = 75;
    const platform::ImageControl& model = map.markers.pointr[0];
    ASSERT_GT(model.width(), 0);
    ASSERT_GT(model.height(), 0);

    ASSERT_TRUE(placeArrow(map, 1000, 2000));
    ASSERT_TRUE(placeArrow(map, 1010.5, 1990, "High Rd"));
    EXPECT_EQ(map.data.pointrCount, 2);
    const platform::ImageControl& first = map.markers.pointr[1];
    const platform::ImageControl& second = map.markers.pointr[2];
    EXPECT_DOUBLE_EQ(first.left(), 1000 * 6 - 250 + model.width() / 5);
    EXPECT_DOUBLE_EQ(first.top(), 2000 * 6 + 75 - 1.2 * model.height());
    EXPECT_DOUBLE_EQ(second.left(), 1010.5 * 6 - 250 + model.width() / 5);
    EXPECT_TRUE(first.visible());
    EXPECT_EQ(first.tag(), "");
    EXPECT_EQ(second.tag(), "High Rd");
    const ArrowPoint at = arrowPoint(map, 1010.5, 1990);
    EXPECT_DOUBLE_EQ(at.x, second.left());
    EXPECT_DOUBLE_EQ(at.y, second.top());
}

// The Planning Sheet places the arrows as the normal map does: a pan takes each along with its
// hit, a node or an area label.
TEST_F(SearchArrowsTest, ThePlanningSheetMovesTheArrowsWithTheirHits) {
    core::MapWindow& map = opened();
    map.search.Text3[core::kNameSearch].setText("bar");
    gosearch(map, true);
    ASSERT_EQ(map.data.pointrList, "#1#2#4#7#11#10#$1$");
    render::mn_Click(map, 2);
    map.global.viewOffX += 300;
    map.global.viewOffY -= 150;
    core::redrawMap(map);
    const int hits[] = {1, 2, 4, 7, 11, 10};
    for (int k = 1; k <= 7; ++k) {
        const ArrowPoint at = k <= 6 ? arrowPoint(map, 1000 + 10 * hits[k - 1], 2000 + 5 * hits[k - 1])
                                     : arrowPoint(map, 1500, 2500); // the label "Bar"
        const platform::ImageControl& arrow = map.markers.pointr[k];
        EXPECT_NEAR(arrow.left(), at.x, 0.01) << k;
        EXPECT_NEAR(arrow.top(), at.y, 0.01) << k;
        EXPECT_TRUE(arrow.visible()) << k;
    }
    EXPECT_EQ(messages(), 0u);
}

TEST_F(SearchArrowsTest, NoArrowBeyondTheHighestElement) {
    core::MapWindow& map = opened();
    map.data.pointrCount = kHighestArrow - 1;
    EXPECT_TRUE(placeArrow(map, 1000, 2000));
    EXPECT_TRUE(map.markers.pointr.exists(kHighestArrow));
    EXPECT_FALSE(placeArrow(map, 1000, 2000));
    EXPECT_EQ(map.data.pointrCount, kHighestArrow);
}

} // namespace
} // namespace poi::testing
