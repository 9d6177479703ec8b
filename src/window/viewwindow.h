#pragma once
// The main window's view operations: the per-file view reset `init` and the diagnostic
// `getlonlat`.

#include "basic/numbers.h"
#include "window/view.h"

namespace core {

class MapWindow;

// Resets the view for a newly opened file: scale 1, the author list emptied, the zoom buttons
// enabled, the map picture placed with the zoom centre in the middle of the viewport's uncovered
// part, and zoom 1.4 about the picture centre (offsets -1600, -1320). Neither draws nor touches
// the data; the caller draws afterwards.
void init(MapWindow& map);

// The part of the viewport the legend panel leaves uncovered, in the form's twips: all of it while
// the panel is hidden. The panel covers the viewport's whole height from its left edge on.
struct UncoveredMap {
    double left, top, width, height;
};
UncoveredMap uncoveredMap(const MapWindow& map);

// The point of p1 in the middle of the uncovered part of the viewport.
PicturePoint uncoveredCentre(const MapWindow& map);

// Places the map picture so that the zoom centre lies in the middle of the viewport's uncovered
// part, through the scroll bars (whose change handlers move it): each bar's range runs from 0 to
// twice its start value, the start value in its middle as far as 16 bits reach, so the bars reach
// about as far either way. The viewport's corner lands on a whole pixel of p1.
void centreMapPicture(MapWindow& map);

// Shows the map point (X, Y) as longitude "/" latitude, each with a blank before a non-negative
// number. Nothing while the file has no scale.
void getlonlat(MapWindow& map, basic::Single X, basic::Single Y);

} // namespace core
