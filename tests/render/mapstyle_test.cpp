// The map style of the Map menu.

#include "basic/colour.h"
#include "platform/canvascolour.h"
#include "redrawcount_fixture.h"
#include "render/mapstyle.h"

namespace core::testing {
namespace {

class MapStyleTest : public RedrawCountTest {
protected:
    static std::vector<bool> checks(const MapWindow& map) {
        return {map.menus.mn[0].checked(), map.menus.mn[1].checked(), map.menus.mn[2].checked()};
    }
};

TEST_F(MapStyleTest, EachItemSetsTheStyleChecksOnlyItselfAndRedrawsOnce) {
    MapWindow& map = opened();
    render::connectMapStyle(map);
    const std::vector<bool> only[] = {{true, false, false}, {false, true, false}, {false, false, true}};
    long expected = 0;
    for (int index : {1, 2, 0, 2}) {
        map.menus.mn.onClick(index);
        EXPECT_EQ(map.data.mapMode, index);
        EXPECT_EQ(checks(map), only[index]) << index;
        EXPECT_EQ(redraws(), ++expected);
        EXPECT_FALSE(map.view.p2.visible());
    }
}

TEST_F(MapStyleTest, TheMapIsRedrawnOnTheBackgroundColour) {
    MapWindow& map = opened();
    map.global.settings.backColour = basic::rgb(10, 20, 30);
    map.view.p1.image().setPixel(5, 5, qRgb(255, 0, 0));
    render::mn_Click(map, 1);
    EXPECT_EQ(map.view.p1.backColor(), basic::rgb(10, 20, 30));
    EXPECT_EQ(map.view.p1.image().pixel(5, 5), platform::toQRgb(basic::rgb(10, 20, 30)));
}

TEST_F(MapStyleTest, NothingWhileAFileIsImported) {
    MapWindow& map = opened();
    map.data.mapLoading = true;
    render::mn_Click(map, 1);
    EXPECT_EQ(map.data.mapMode, 0);
    EXPECT_EQ(checks(map), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(redraws(), 0);
}

} // namespace
} // namespace core::testing
