// The GPX menu: its check marks, the two switches, "Clear GPX", and the double click on a
// waypoint marker.

#include "platform/hourglass.h"
#include "render/redrawcount_fixture.h"
#include "routes/gpxmenu.h"

namespace routes::testing {
namespace {

using core::testing::RedrawCountTest;
using core::testing::WindowTest;

TEST_F(WindowTest, ShwgpxChecksShowTracksAndShowWaypoints) {
    core::MapWindow& map = load();
    platform::MenuArray& mgp = map.menus.mgp;
    // Start-up sets both flags and the checks.
    EXPECT_TRUE(mgp[4].checked());
    EXPECT_TRUE(mgp[5].checked());
    for (bool tracks : {false, true}) {
        for (bool waypoints : {false, true}) {
            map.global.showTracks = tracks;
            map.global.showWaypoints = waypoints;
            checkGpxMenuItems(map);
            EXPECT_EQ(mgp[4].checked(), tracks) << tracks << waypoints;
            EXPECT_EQ(mgp[5].checked(), waypoints) << tracks << waypoints;
        }
    }
}

class GpxMenuTest : public RedrawCountTest {
protected:
    // A three-point route with its markers, lines and length, and an import of five points shown
    // as two waypoint markers and three track dots; `answer` answers the first question.
    core::MapWindow& withRouteAndGpx(int answer) {
        dialogs().scriptMsgBox(answer);
        core::MapWindow& map = opened();
        core::MapData& d = map.data;
        core::Markers& m = map.markers;
        for (int i = 1; i <= 3; ++i) {
            d.routeLat[static_cast<size_t>(i)] = 51.0f + static_cast<float>(i) / 100;
            m.plt.load(i);
            m.Lin.load(i);
            m.gpt.load(i);
            m.Lin2.load(i);
            if (i < 3) m.gps.load(i);
        }
        d.routeCount = d.gptCount = 3;
        d.routeActive = d.routeUnsaved = true;
        d.gpsCount = 2;
        d.gpxCount = 5;
        map.menus.mgpx.setEnabled(true);
        map.view.sb1.setPanelText(2, "1.25 ml    0 hrs 23 mins");
        return map;
    }
};

TEST_F(GpxMenuTest, EachSwitchFlipsItsFlagAndCheckAndRedrawsOnce) {
    core::MapWindow& map = opened();
    platform::MenuArray& mgp = map.menus.mgp;
    map.data.routeSel = 2;
    mgp[4].raiseClick(); // through the menu
    EXPECT_EQ(map.data.routeSel, -1);
    mgp_Click(map, 5);
    EXPECT_FALSE(map.global.showTracks || mgp[4].checked());
    EXPECT_FALSE(map.global.showWaypoints || mgp[5].checked());
    EXPECT_EQ(redraws(), 2);
    mgp_Click(map, 4);
    EXPECT_TRUE(map.global.showTracks && mgp[4].checked());
    EXPECT_FALSE(map.global.showWaypoints);
    EXPECT_EQ(redraws(), 3);
}

// Cancel changes nothing; OK takes the import away and leaves the route drawn after it.
TEST_F(GpxMenuTest, ClearGpxClearsOnlyTheGpx) {
    core::MapWindow& map = withRouteAndGpx(platform::msgbox::Cancel);
    core::MapData& d = map.data;
    core::Markers& m = map.markers;
    mgp_Click(map, 7);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "This will clear your GPX. Do you want to continue?");
    EXPECT_EQ(dialogs().shown()[0].style, platform::msgbox::OkCancel);
    EXPECT_EQ(d.gpxCount, 5);
    EXPECT_TRUE(m.gps.exists(2) && m.Lin2.exists(3) && map.menus.mgpx.enabled());

    dialogs().scriptMsgBox(platform::msgbox::Ok);
    mgp_Click(map, 7);
    EXPECT_EQ(redraws(), 1);
    EXPECT_EQ(d.gpxCount + d.gpsCount + d.gptCount, 0);
    EXPECT_EQ(m.gps.ubound() + m.gpt.ubound() + m.Lin2.ubound(), 0);
    EXPECT_FALSE(map.menus.mgpx.enabled());
    EXPECT_EQ(d.routeCount, 3);
    EXPECT_TRUE(d.routeActive && d.routeUnsaved);
    EXPECT_EQ(d.routeLat[3], 51.03f);
    EXPECT_EQ(m.plt.ubound() + m.Lin.ubound(), 6);
    EXPECT_EQ(map.view.sb1.panelText(2), "1.25 ml    0 hrs 23 mins");
}

TEST_F(GpxMenuTest, ADoubleClickOnAWaypointMarkerEndsRouteDrawingUnlessBusy) {
    core::MapWindow& map = withRouteAndGpx(platform::msgbox::Ok);
    map.data.routeDrawing = true;
    map.view.p1.setMousePointer(99);
    for (bool drawing : {true, false}) {
        map.data.drawBusy = drawing;
        map.data.mapLoading = !drawing;
        for (int index : {4, 5, 7})
            mgp_Click(map, index);
        map.markers.gps.onDblClick(2);
        EXPECT_TRUE(map.global.showTracks && map.global.showWaypoints && map.data.routeDrawing);
        EXPECT_EQ(map.data.gpxCount, 5);
    }
    EXPECT_TRUE(dialogs().shown().empty());
    map.data.mapLoading = false;
    map.markers.gps.onDblClick(2);
    EXPECT_FALSE(map.data.routeDrawing);
    EXPECT_EQ(map.view.p1.mousePointer(), platform::kDefaultPointer);
}

} // namespace
} // namespace routes::testing
