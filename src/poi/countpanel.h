#pragma once
// The count labels `numb`: element c + 1 counts POI category c, elements 26..33 the problem
// markers and lists. The import counts POIs in the data model and shows each count; `showtot` writes the problem
// counts from the marker counters and colours every label and cell by whether its number is zero.

#include "basic/numbers.h"

namespace core {
class MapWindow;
}

namespace poi {

// The count of POI category c (0..22) in the data model, which numb(c + 1) shows; fault 9 for a
// category that does not exist.
basic::Long categoryCount(const core::MapWindow& map, int c);

// Writes labels 26..33 from the counters (a count not above 0 reads "0"), colours labels 1..23
// and 26..33, repaints cells 0..21 for the current poiMode, sets the caption to the current
// file and rebuilds the per-category lists of unnamed markers (`setorange`). `flag` is not read.
void showtot(core::MapWindow& map, basic::Integer flag);

} // namespace poi
