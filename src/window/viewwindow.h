#pragma once
// The main window's view operations: the per-file view reset `init` and the diagnostic
// `getlonlat`.

#include "basic/numbers.h"

namespace core {

class MapWindow;

// Resets the view for a newly opened file: scale 1, the author list emptied, the zoom buttons
// enabled, the scroll ranges three times the map picture with the bars in their middles, and
// zoom 1.4 about the picture centre (offsets -1600, -1320). Neither draws nor touches the data;
// the caller draws afterwards.
void init(MapWindow& map);

// Shows the map point (X, Y) as longitude "/" latitude, each with a blank before a non-negative
// number. Nothing while the file has no scale.
void getlonlat(MapWindow& map, basic::Single X, basic::Single Y);

} // namespace core
