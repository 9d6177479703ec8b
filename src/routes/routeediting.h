#pragma once
// Editing the route on the map: the pop-up menu of a route point `mroute` ("Add Waypoint
// Before", "Add Waypoint After", "Delete Waypoint", "Clear", "Save Route"), dragging a point's
// marker `plt` to a new place, its tooltip, and the double click that ends drawing. Every
// handler returns at once while a file is drawn or imported; the pop-up entries and the drop act
// only on a point of the route (routeSel in 1..routeCount). Each change sets routeUnsaved and
// ends with plotroute.

#include "platform/control.h"

#include <functional>

namespace core {
class MapWindow;
}

namespace routes {

// Left button: the marker is dragged (hidden meanwhile); right button: the pop-up menu.
void plt_MouseDown(core::MapWindow& map, int index, int button, double x, double y);
// The tooltip "Total : " & the length and time of status panel 2.
void plt_MouseMove(core::MapWindow& map, int index);
// A double click on a route marker ends drawing.
void plt_DblClick(core::MapWindow& map);

// While a marker is dragged over the map, its two segments meet at the cursor.
void p1_DragOver(core::MapWindow& map, double x, double y);
// The dragged point moves to the drop position when that lies on the shown map and away from
// where the drag began; in every case the marker and segments are drawn again.
void p1_DragDrop(core::MapWindow& map, platform::Control& source, double x, double y);
// A drag that never ended in a drop leaves the point where it was, drawn again.
void plt_DragCancel(core::MapWindow& map);

// 0 "Add Waypoint Before", 1 "Add Waypoint After" beside point routeSel; refused at 10000 points.
void madd_Click(core::MapWindow& map, int index);
// "Delete Waypoint": point routeSel goes.
void mdel_Click(core::MapWindow& map);
// The File menu's "Save Route", which the pop-up offers too.
using SaveRoute = std::function<void(core::MapWindow&)>;

// 1 "Clear" is "Cancel Route"; 2 "Save Route" is the File menu's.
void mrt_Click(core::MapWindow& map, int index, const SaveRoute& saveRoute);

} // namespace routes
