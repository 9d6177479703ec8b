#pragma once
// The five drawing lists read once into way indices (import/indexlist.h reads the pieces).

#include "basic/numbers.h"

#include <vector>

namespace core {
struct MapData;
}

namespace render {

// The drawing lists of the loaded map, as way indices in list order.
struct DrawingLists {
    std::vector<basic::Long> areas;     // list A, the area pass
    std::vector<basic::Long> bridges;   // list B
    std::vector<basic::Long> waterways; // list C
    std::vector<basic::Long> railways;  // list D
    std::vector<basic::Long> lines;     // list E, power lines and boundaries
    // Per way 0..wayCount: whether "#" & i & "#" occurs in list C.
    std::vector<bool> onWaterwayList;
};

DrawingLists readDrawingLists(const core::MapData& d);

} // namespace render
