#include "routes/drawingmode.h"

#include "platform/hourglass.h"
#include "window/mapwindow.h"

namespace routes {

void endRouteDrawing(core::MapWindow& map) {
    map.data.routeDrawing = false;
    map.view.p1.setMousePointer(platform::kDefaultPointer);
}

} // namespace routes
