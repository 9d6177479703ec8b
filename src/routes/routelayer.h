#pragma once
// The routes' layer of a drawing.

namespace core {
class MapWindow;
}

namespace render {
class DrawErrors;
}

namespace routes {

// The imported GPX points (plotgpx with at most 10000 of them) while there are any and no route
// is being drawn; otherwise the route, when there is one. Never both in one redraw.
void drawGpxOrRoute(core::MapWindow& map, render::DrawErrors& errors);

} // namespace routes
