#include "routes/drawingmode.h"

#include "window/mapwindow.h"
#include "platform/hourglass.h"

namespace routes {

void endRouteDrawing(core::MapWindow& map) {
    map.d.routeDrawing = false;
    map.view.p1.setMousePointer(platform::kDefaultPointer);
}

} // namespace routes
