#pragma once
// The check marks of the "GPX" menu.

namespace core {
class MapWindow;
}

namespace routes {

// "Show Tracks" mgp(4) checked when showTracks is set, "Show Waypoints" mgp(5) when
// showWaypoints is set.
void shwgpx(core::MapWindow& map);

} // namespace routes
