#pragma once
// The "Routes" menu `mnewr` (0 "New Route", 2 "Cancel Route", 4 "Show Route on Google Earth")
// and the route toolbar `rout` (0 " Create Route ", 1 " Download OSM ", 4 the Google Earth
// picture), whose pictures run the menu entries of the same numbers with a pressed border.
// Nothing happens while a file is drawn or imported, nor without a loaded file. A failing step
// shows the fault's description and the next step runs.

namespace core {
class MapWindow;
}

namespace routes {

// 0: after the questions about the GPX points (whenever there are any) and the route, the old
// route and every GPX marker go and drawing starts with the route cursor.
// 2: ends drawing; a route is erased after "Are you sure you want to clear your route?".
// 4: refused while drawing; otherwise the route is written to temp.kml in the data folder and,
// only when that file was written, handed to the desktop's program for KML files.
void mnewr_Click(core::MapWindow& map, int index);

void rout_MouseDown(core::MapWindow& map, int index);
void rout_MouseUp(core::MapWindow& map, int index);

} // namespace routes
