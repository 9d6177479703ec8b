#include "routes/routelayer.h"

#include "routes/gpxdisplay.h"
#include "routes/route.h"
#include "window/mapwindow.h"

#include <algorithm>

namespace routes {

void drawGpxOrRoute(core::MapWindow& map, render::DrawErrors& errors) {
    const core::MapData& d = map.data;
    if (d.gpxCount > 0 && !d.routeDrawing)
        plotgpx(map, std::min<basic::Long>(d.gpxCount, kGpxShown), errors);
    else if (d.routeActive)
        plotroute(map);
}

} // namespace routes
