#pragma once
// Showing the imported GPX points on the map picture `p1`: waypoints and route points as small
// image markers `gps` named by their tooltip, track points as shapes `gpt` joined by the lines
// `Lin2`. Every redraw unloads them all and draws them again.

#include "basic/numbers.h"

namespace core {
class MapWindow;
}

namespace render {
class DrawErrors;
}

namespace routes {

// At most this many GPX points are shown.
inline constexpr basic::Long kGpxShown = 10000;

// Places points 1..count (capped at the store, 10000) at the current view. A waypoint or route
// point, while showWaypoints is set, gets a `gps` marker (gpsCount counts them) centred on its
// place with its name as tooltip, the second marker picture Image5 when the name holds "w".
// Any other point inside the track window of p1, while showTracks is set, becomes a `gpt`
// shape k; Lin2(k) joins it to shape k - 1 when that is the point just before and the two lie
// under 50 map units apart horizontally. The map positions are made for the loaded file at every
// call. Faults take the error path.
void plotgpx(core::MapWindow& map, basic::Long count, render::DrawErrors& errors);

// The same outside a drawing (after an import): its own error path, one message at most.
void plotgpx(core::MapWindow& map, basic::Long count);

} // namespace routes
