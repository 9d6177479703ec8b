#pragma once
// The "GPX" menu `mgp` (4 "Show Tracks", 5 "Show Waypoints", 7 "Clear GPX"), its check marks, and
// the double click on a waypoint marker.

namespace core {
class MapWindow;
}

namespace routes {

// "Show Tracks" mgp(4) checked when showTracks is set, "Show Waypoints" mgp(5) when
// showWaypoints is set.
// The system's name: shwgpx.
void checkGpxMenuItems(core::MapWindow& map);

// 4 and 5 switch showTracks and showWaypoints; 7 "Clear GPX" asks "This will clear your GPX. Do
// you want to continue?" (OK, Cancel) and on OK removes the import's points and markers and
// greys the menu, leaving the route as it is. After any of them the check marks follow and the
// map is drawn anew. Nothing while the map is drawn or a file imported.
void mgp_Click(core::MapWindow& map, int index);

// A double click on a waypoint marker ends route drawing. Nothing while busy.
void gps_DblClick(core::MapWindow& map, int index);

void connectGpxMenu(core::MapWindow& map);

} // namespace routes
