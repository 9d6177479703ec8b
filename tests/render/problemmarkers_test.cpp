// The problem markers on the map: where the redraw puts them.

#include "render/drawerrors.h"
#include "render/marker_fixture.h"
#include "render/problemmarkers.h"

namespace render::testing {
namespace {

TEST_F(MarkerTest, EmptyTagMarkersStandAboveLeftOfTheirNodes) {
    core::MapWindow& map = withNodes();
    loadMarkers(map.markers.quot, {"a", "b"});
    map.data.quotList = "2#4#";
    render::DrawErrors errors;
    placeEmptyTagMarkers(map, errors);
    const platform::ImageControl& model = map.markers.quot[0];
    const platform::ImageControl& second = map.markers.quot[3];
    EXPECT_TRUE(second.visible());
    EXPECT_FLOAT_EQ(second.left(), 810 - model.width());
    EXPECT_FLOAT_EQ(second.top(), 420 - 1.4 * model.height());
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(MarkerTest, QuestMarkersCountTheirAreas) {
    core::MapWindow& map = withNodes();
    loadMarkers(map.markers.quest, {"AREA: park", "highway"});
    map.data.questCount = 3;
    map.data.questList = "1#3#";
    render::DrawErrors errors;
    placeQuestMarkers(map, errors);
    const platform::ImageControl& model = map.markers.quest[0];
    const platform::ImageControl& area = map.markers.quest[2];
    EXPECT_EQ(map.data.questAreaCount, 1);
    EXPECT_TRUE(area.visible());
    EXPECT_EQ(area.picture(), map.stores.que.picture());
    EXPECT_FLOAT_EQ(area.left(), 210 - model.width() / 2);
    EXPECT_FLOAT_EQ(area.top(), 120 - model.height());
    const platform::ImageControl& third = map.markers.quest[3];
    EXPECT_NE(third.picture(), map.stores.que.picture());
    EXPECT_TRUE(third.visible());
    EXPECT_FLOAT_EQ(third.left(), 610 - model.width() / 2);
    EXPECT_FLOAT_EQ(third.top(), 320 - model.height());
    // The picture is painted into the map through its mask: opaque in the middle, the map's own
    // background beside it.
    platform::PictureBox& p1 = map.view.p1;
    const QImage& picture = area.picture();
    const QRgb middle = picture.pixel(picture.width() / 2, picture.height() / 2);
    EXPECT_EQ(p1.point(area.left() + area.width() / 2, area.top() + area.height() / 2),
              basic::rgb(qRed(middle), qGreen(middle), qBlue(middle)));
    EXPECT_EQ(p1.point(area.left() - 30, area.top()), p1.backColor());
}

TEST_F(MarkerTest, OnlyThePanelButtonPlacesNoQuestMarker) {
    core::MapWindow& map = withNodes();
    map.data.questCount = 1;
    map.data.questList = "1#";
    const platform::ImageControl& button = map.markers.quest[1];
    const double left = button.left();
    const double top = button.top();
    const QImage before = map.view.p1.image().copy();
    render::DrawErrors errors;
    placeQuestMarkers(map, errors);
    EXPECT_EQ(button.left(), left);
    EXPECT_EQ(button.top(), top);
    EXPECT_EQ(map.view.p1.image(), before);
    EXPECT_EQ(map.data.questAreaCount, 0);
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(MarkerTest, ChainArrowsFillTheHighwaysNotJoinedList) {
    core::MapWindow& map = withNodes();
    loadMarkers(map.markers.chain, {"highway gap\r\nat the end", "second"});
    map.data.chainCount = 3;
    map.data.chainList = "5#2#";
    map.data.unjoinedWayList = "stale";
    render::DrawErrors errors;
    placeChainMarkers(map, errors);
    const platform::ImageControl& model = map.markers.chain[0];
    const platform::ImageControl& first = map.markers.chain[2];
    EXPECT_FLOAT_EQ(first.left(), 1010 - model.width());
    EXPECT_FLOAT_EQ(first.top(), 520 - model.height());
    EXPECT_TRUE(first.visible());
    EXPECT_EQ(map.data.chainExtraCount, 2);
    EXPECT_EQ(map.data.unjoinedWayList, "2$highway gap at the end\r\n3$second\r\n");

    // Hidden errors: no arrows, no entries.
    map.data.chainCount = 0;
    placeChainMarkers(map, errors);
    EXPECT_EQ(map.data.unjoinedWayList, "");
}

TEST_F(MarkerTest, AMarkerThatIsNotThereAndABadNodeArePassedOverSilently) {
    core::MapWindow& map = withNodes();
    map.markers.quot.load(3).setTag("b"); // element 2 missing: passed over
    map.data.quotList = "1#9#2#";         // node 9 does not exist either
    map.markers.quot.load(4).setTag("c");
    render::DrawErrors errors;
    placeEmptyTagMarkers(map, errors);
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_TRUE(map.markers.quot[4].visible());
    EXPECT_FALSE(map.markers.quot[3].visible());
}

} // namespace
} // namespace render::testing
