#pragma once
// Leaving the route-drawing mode: map clicks add no point any more and the map picture shows the
// default pointer again.

namespace core {
class MapWindow;
}

namespace routes {

// routeDrawing cleared, p1's pointer back to the default.
void endRouteDrawing(core::MapWindow& map);

} // namespace routes
