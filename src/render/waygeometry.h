#pragma once
// The index lists of the drawing read once into numbers: the node lists of the ways and the five
// drawing lists. A list holds whole numbers each followed by "#"; the piece after the last "#"
// is never used, and the lists B to E also open with a "#" whose empty first piece is skipped.

#include "basic/numbers.h"

#include <string_view>
#include <vector>

namespace core {
struct MapData;
}

namespace render {

// The value a piece that is no whole number is held as; drawing it is a type mismatch.
inline constexpr basic::Long kNotANumber = INT32_MIN;

// The whole number a piece of an index list holds (a sign and digits, blanks before them
// allowed), kNotANumber for anything else, an empty piece and a number beyond 32 bits included.
basic::Long indexPiece(std::string_view piece);

// The numbers of the pieces of `list` split at "#", from piece `first` to the last but one.
std::vector<basic::Long> indexPieces(std::string_view list, int first);

// Makes d.wayNodeStart and d.wayNodeIndex from d.wayNodes, ways 0..wayCount.
void parseWayNodes(core::MapData& d);

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
