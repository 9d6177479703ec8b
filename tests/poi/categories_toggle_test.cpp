// Toggling one category from its button, and the "Show"/"Hide" switch.

#include "core/window_fixture.h"
#include "platform/hourglass.h"
#include "poi/categories.h"
#include "poi/categories_connect.h"
#include "poi/cells.h"
#include "poi/orange.h"
#include "window/countlabels.h"

namespace poi::testing {
namespace {

const Look kPaleAfterToggle{basic::rgb(255, 255, 192), basic::rgb(128, 128, 255), 1};

class ToggleTest : public core::testing::WindowTest {
protected:
    // A loaded window with POIs in categories 1 (pubs), 19 (cafes) and 22 (stations).
    core::MapWindow& withCounts() {
        core::MapWindow& map = load();
        for (int i = 1; i <= core::kStripCells; ++i)
            core::showCount(map, i, 0);
        core::showCount(map, 2, 4);
        core::showCount(map, 20, 2);
        core::showCount(map, 23, 1);
        return map;
    }
};

TEST_F(ToggleTest, IcshwShowsThenHidesACategory) {
    core::MapWindow& map = withCounts();
    auto& cell = map.legendStrip.Shape9[1];
    map.data.catShown[1] = basic::vbFalse;
    map.data.poiReplot = true;
    toggleCategory(map, 1);
    EXPECT_EQ(map.data.catShown[1], basic::vbTrue);
    EXPECT_TRUE(hasLook(cell, kOn));
    EXPECT_FALSE(map.data.poiReplot);
    toggleCategory(map, 1);
    EXPECT_EQ(map.data.catShown[1], basic::vbFalse);
    EXPECT_TRUE(hasLook(cell, kPaleAfterToggle));
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
}

TEST_F(ToggleTest, IcshwRefusesAnEmptyCategoryOrABusyProgram) {
    core::MapWindow& map = withCounts();
    struct Case {
        const char* what;
        int category;
        bool loading;
        bool drawing;
    };
    for (const Case& c : {Case{"count 0", 3, false, false}, Case{"loading", 1, true, false},
                          Case{"drawing", 1, false, true}}) {
        map.data.catShown[c.category] = basic::vbFalse;
        map.data.poiReplot = true;
        map.data.mapLoading = c.loading;
        map.data.drawBusy = c.drawing;
        paint(map.legendStrip.Shape9[c.category], kUntouched);
        toggleCategory(map, c.category);
        EXPECT_EQ(map.data.catShown[c.category], basic::vbFalse) << c.what;
        EXPECT_TRUE(map.data.poiReplot) << c.what;
        EXPECT_TRUE(hasLook(map.legendStrip.Shape9[c.category], kUntouched)) << c.what;
    }
}

TEST_F(ToggleTest, IcshwFlipsTheOrangeDigitsOfTheCategory) {
    core::MapWindow& map = withCounts();
    ++map.data.coffeCount;
    map.markers.coffe.load(map.data.coffeCount).setTag("2$CAF");
    setorange(map);
    map.data.noNameFlags = "000";
    map.data.catShown[19] = basic::vbFalse;
    toggleCategory(map, 19);
    EXPECT_EQ(map.data.noNameFlags, "010");
}

TEST_F(ToggleTest, ShowiconsResetsTheOrangeDigits) {
    core::MapWindow& map = withCounts();
    map.data.nonnCount = 3;
    map.data.noNameFlags = "010";
    showicons(map, 1);
    EXPECT_EQ(map.data.noNameFlags, "111");
    showicons(map, 0);
    EXPECT_EQ(map.data.noNameFlags, "000");
}

TEST_F(ToggleTest, HideTwiceIsOneSwitchShowAgainIsAnother) {
    core::MapWindow& map = withCounts();
    map.global.settings.poiMode = 1;
    map.data.poiReplot = false;
    Label13_MouseDown(map, 0);
    EXPECT_EQ(map.global.settings.poiMode, 0);
    EXPECT_TRUE(map.data.poiReplot);
    for (int i = 0; i < 22; ++i)
        EXPECT_EQ(map.data.catShown[i], basic::vbFalse) << i;
    EXPECT_TRUE(hasLook(map.legendStrip.Shape9[1], kOff));
    EXPECT_TRUE(hasLook(map.legendStrip.Shape9[22], kOn));

    // A second "Hide" leaves everything as it is, the cells too.
    paint(map.legendStrip.Shape9[1], kUntouched);
    Label13_MouseDown(map, 0);
    EXPECT_TRUE(hasLook(map.legendStrip.Shape9[1], kUntouched));

    // "Show" while everything is shown and no switch was used repaints again.
    map.global.settings.poiMode = 1;
    map.data.poiReplot = false;
    Label13_MouseDown(map, 1);
    EXPECT_TRUE(hasLook(map.legendStrip.Shape9[1], kOn));
    EXPECT_EQ(map.data.catShown[1], basic::vbTrue);
}

TEST_F(ToggleTest, TheViewMenuSwitchesLikeTheLabels) {
    core::MapWindow& map = withCounts();
    map.global.settings.poiMode = 1;
    mviw_Click(map, 1);
    EXPECT_EQ(map.global.settings.poiMode, 0);
    mviw_Click(map, 0);
    EXPECT_EQ(map.global.settings.poiMode, 1);
    EXPECT_EQ(map.data.catShown[5], basic::vbTrue);
}

TEST_F(ToggleTest, ButtonsToggleTheirCategoryAndIconsShowBubbles) {
    core::MapWindow& map = withCounts();
    connectCategoryHandlers(map);
    map.data.catShown[19] = basic::vbFalse;
    // The traffic-signal button toggles the cafe category.
    map.markers.traffic[1].raiseClick();
    EXPECT_EQ(map.data.catShown[19], basic::vbTrue);
    EXPECT_TRUE(hasLook(map.legendStrip.Shape9[19], kOn));

    map.data.catShown[1] = basic::vbFalse;
    map.markers.pb[1].raiseMouseDown(platform::kRightButton, 0, 0, 0);
    EXPECT_EQ(map.data.catShown[1], basic::vbTrue);

    // A pub icon on the map shows its bubble; a phone icon does nothing.
    ++map.data.pbCount;
    platform::ImageControl& pub = map.markers.pb.load(map.data.pbCount);
    pub.setTag("4$PUB#The Swan");
    pub.raiseMouseDown(platform::kLeftButton, 0, 0, 0);
    EXPECT_TRUE(map.view.bub.visible());
    EXPECT_EQ(map.view.bubtxt.caption(), " The Swan ");
    map.view.bub.raiseMouseDown(platform::kLeftButton, 0, 0, 0);
    EXPECT_FALSE(map.view.bub.visible());

    ++map.data.phoneCount;
    platform::ImageControl& phone = map.markers.phone.load(map.data.phoneCount);
    phone.setTag("phone");
    map.data.catShown[2] = basic::vbFalse;
    phone.raiseClick();
    EXPECT_FALSE(map.view.bub.visible());
    EXPECT_EQ(map.data.catShown[2], basic::vbFalse);
}

} // namespace
} // namespace poi::testing
