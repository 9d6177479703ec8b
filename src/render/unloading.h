#pragma once
// Removing what the previous drawing or import loaded on the map picture: POI icons, problem
// markers, labels, GPX markers and route lines, so that the next one starts from the elements
// made with the window.

#include "basic/numbers.h"

namespace core {
class MapWindow;
}

namespace render {

// Unloads every element loaded at run time (up to each array's counter), empties the area-label
// lists List2(0..2) and brings the counters to rest: 1 for the arrays whose elements 0 and 1
// are made with the window, 0 for the others and for the per-file totals. An element already
// gone is passed over. The route's point markers `plt` and the search arrows `pointr` stay.
void unload_(core::MapWindow& map);

} // namespace render
