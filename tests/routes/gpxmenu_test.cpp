// The check marks of the GPX menu follow the two shown flags.

#include "core/window_fixture.h"
#include "routes/gpxmenu.h"

namespace routes::testing {
namespace {

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

} // namespace
} // namespace routes::testing
