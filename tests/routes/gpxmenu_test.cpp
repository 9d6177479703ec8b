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
            map.g.showTracks = tracks;
            map.g.showWaypoints = waypoints;
            shwgpx(map);
            EXPECT_EQ(mgp[4].checked(), tracks) << tracks << waypoints;
            EXPECT_EQ(mgp[5].checked(), waypoints) << tracks << waypoints;
        }
    }
}

class GpxMenuTest : public RedrawCountTest {
protected:
    // A three-point route with its markers, lines and length, and an import of five points shown
    // as two waypoint markers and three track dots joined by two lines. `answer` answers the
    // first question.
    core::MapWindow& withRouteAndGpx(int answer) {
        dialogs().scriptMsgBox(answer);
        core::MapWindow& map = opened();
        core::MapData& d = map.d;
        core::Markers& m = map.markers;
        d.routeCount = 3;
        d.routeActive = true;
        d.routeUnsaved = true;
        for (int i = 1; i <= 3; ++i) {
            d.routeLat[static_cast<size_t>(i)] = 51.0f + static_cast<float>(i) / 100;
            m.plt.load(i);
            m.Lin.load(i);
            m.gpt.load(i);
        }
        m.Lin2.load(2);
        m.Lin2.load(3);
        d.gptCount = 3;
        m.gps.load(1);
        m.gps.load(2);
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
    map.d.routeSel = 2;
    mgp_Click(map, 4);
    EXPECT_FALSE(map.g.showTracks);
    EXPECT_FALSE(mgp[4].checked());
    EXPECT_TRUE(map.g.showWaypoints);
    EXPECT_EQ(redraws(), 1);
    EXPECT_EQ(map.d.routeSel, -1);

    mgp_Click(map, 5);
    EXPECT_FALSE(map.g.showWaypoints);
    EXPECT_FALSE(mgp[5].checked());
    EXPECT_FALSE(map.g.showTracks);
    EXPECT_EQ(redraws(), 2);

    mgp[4].raiseClick(); // the menu runs the handler
    EXPECT_TRUE(map.g.showTracks);
    EXPECT_TRUE(mgp[4].checked());
    EXPECT_EQ(redraws(), 3);
}

TEST_F(GpxMenuTest, ClearGpxAnsweredCancelChangesNothing) {
    core::MapWindow& map = withRouteAndGpx(platform::msgbox::Cancel);
    mgp_Click(map, 7);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    const platform::ShownDialog& asked = dialogs().shown()[0];
    EXPECT_EQ(asked.text, "This will clear your GPX. Do you want to continue?");
    EXPECT_EQ(asked.style, platform::msgbox::OkCancel);
    EXPECT_EQ(redraws(), 0);
    EXPECT_EQ(map.d.gpxCount, 5);
    EXPECT_EQ(map.d.gpsCount, 2);
    EXPECT_EQ(map.d.gptCount, 3);
    EXPECT_TRUE(map.markers.gps.exists(2));
    EXPECT_TRUE(map.markers.Lin2.exists(3));
    EXPECT_TRUE(map.menus.mgpx.enabled());
}

// "Clear GPX" takes the import away and leaves the route drawn after it as it was.
TEST_F(GpxMenuTest, ClearGpxKeepsTheRoute) {
    core::MapWindow& map = withRouteAndGpx(platform::msgbox::Ok);
    mgp_Click(map, 7);
    core::MapData& d = map.d;
    core::Markers& m = map.markers;
    EXPECT_EQ(d.gpxCount, 0);
    EXPECT_EQ(d.gpsCount, 0);
    EXPECT_EQ(d.gptCount, 0);
    EXPECT_EQ(m.gps.ubound(), 0);
    EXPECT_EQ(m.gpt.ubound(), 0);
    EXPECT_EQ(m.Lin2.ubound(), 0);
    EXPECT_FALSE(map.menus.mgpx.enabled());
    EXPECT_EQ(redraws(), 1);

    EXPECT_EQ(d.routeCount, 3);
    EXPECT_TRUE(d.routeActive);
    EXPECT_TRUE(d.routeUnsaved);
    EXPECT_EQ(d.routeLat[3], 51.03f);
    EXPECT_EQ(m.plt.ubound(), 3);
    EXPECT_EQ(m.Lin.ubound(), 3);
    EXPECT_EQ(map.view.sb1.panelText(2), "1.25 ml    0 hrs 23 mins");
}

TEST_F(GpxMenuTest, NothingWhileBusy) {
    core::MapWindow& map = withRouteAndGpx(platform::msgbox::Ok);
    map.d.routeDrawing = true;
    for (bool drawing : {true, false}) {
        map.d.drawBusy = drawing;
        map.d.mapLoading = !drawing;
        for (int index : {4, 5, 7})
            mgp_Click(map, index); // an unscripted question would throw
        gps_DblClick(map, 1);
        EXPECT_TRUE(map.g.showTracks);
        EXPECT_TRUE(map.g.showWaypoints);
        EXPECT_EQ(map.d.gpxCount, 5);
        EXPECT_TRUE(map.d.routeDrawing);
    }
    EXPECT_EQ(redraws(), 0);
}

TEST_F(GpxMenuTest, ADoubleClickOnAWaypointMarkerEndsRouteDrawing) {
    core::MapWindow& map = withRouteAndGpx(platform::msgbox::Ok);
    map.d.routeDrawing = true;
    map.view.p1.setMousePointer(99);
    ASSERT_TRUE(map.markers.gps.onDblClick);
    map.markers.gps.onDblClick(2);
    EXPECT_FALSE(map.d.routeDrawing);
    EXPECT_EQ(map.view.p1.mousePointer(), platform::kDefaultPointer);
    EXPECT_EQ(map.d.routeCount, 3);
}

} // namespace
} // namespace routes::testing
