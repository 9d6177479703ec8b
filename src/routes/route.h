#pragma once
// The user's route on the map: its points (longitude and latitude in the shared point arrays,
// 1..routeCount), one marker `plt` per point and one segment line `Lin` from each point to the
// next, its length along the earth's surface and its travel time in status panel 2.

#include "basic/numbers.h"

#include <string>

namespace core {
class MapWindow;
}

namespace routes {

// The point arrays hold the route in their elements 1..10000.
inline constexpr int kMaxRoutePoints = 10000;

// The travel time of `miles` at `speedMph`: the hours alone, as "2 hrs", when they are a whole
// number in single precision; otherwise whole hours and two-digit minutes, rounded to the
// nearest minute: "1 hrs 30 mins", "0 hrs 05 mins", "2 hrs 00 mins" for 119.6 minutes.
std::string fntim(basic::Single miles, basic::Single speedMph);

// Status panel 2's text for a route of `miles`: the length with two decimals and no leading zero
// below one mile, " ml    " and the travel time: ".69 ml    0 hrs 13 mins", ".00 ml    0 hrs".
std::string lengthAndTime(basic::Single miles, basic::Single speedMph);

// Places the segment lines and markers of points 1..routeCount at the current view (the
// elements must be loaded) and shows the length in miles with two decimals, " ml    " and the
// travel time in status panel 2. A failing step shows its fault's description and the next step
// runs.
void plotroute(core::MapWindow& map);

// Erases the route: its lines and markers unloaded, no point, no drawing mode (default pointer),
// nothing unsaved, status panel 2 empty.
// The system's name: noplot.
void eraseRoute(core::MapWindow& map);

// Unloads the segment lines and markers of points 1..routeCount; those not loaded are passed over.
void unloadRouteMarkers(core::MapWindow& map);

// The pointer of p1 while a route is drawn: the route cursor Image8.
void showRoutePointer(core::MapWindow& map);

// A click on the map in route mode: the point under the picture position (x, y) becomes the
// route's last point, its line and marker are loaded and the route is drawn. Refused (false,
// nothing changes) when the route holds 10000 points already or no view is set up yet.
bool addRoutePoint(core::MapWindow& map, basic::Single x, basic::Single y);

} // namespace routes
