#include "routes/gpxmenu.h"

#include "window/mapwindow.h"

namespace routes {

void shwgpx(core::MapWindow& map) {
    map.menus.mgp[4].setChecked(map.g.showTracks);
    map.menus.mgp[5].setChecked(map.g.showWaypoints);
}

} // namespace routes
