#pragma once
// Connects the route's menus, toolbar pictures, markers and the drops on the map picture to
// their handlers (routes/routemenu.h, routes/routeediting.h). The pop-up's "Save Route" runs
// `saveRoute`, the File menu's command, which lives above this folder.

#include "routes/routeediting.h"

namespace core {
class MapWindow;
}

namespace routes {

void connectRouteHandlers(core::MapWindow& map, SaveRoute saveRoute);

} // namespace routes
