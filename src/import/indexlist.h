#pragma once
// The index lists of the project data read into numbers: the node lists of the ways and the
// drawing lists. A list holds whole numbers each followed by "#"; the piece after the last "#"
// is never used, and the drawing lists B to E also open with a "#" whose empty first piece is
// skipped.

#include "basic/numbers.h"
#include "import/projectdata.h"

#include <string_view>
#include <vector>

namespace osmimport {

// The value a piece that is no whole number is held as; drawing it is a type mismatch.
inline constexpr basic::Long kNotANumber = INT32_MIN;

// The whole number a piece of an index list holds (a sign and digits, blanks before them
// allowed), kNotANumber for anything else, an empty piece and a number beyond 32 bits included.
basic::Long indexPiece(std::string_view piece);

// The numbers of the pieces of `list` split at "#", from piece `first` to the last but one.
std::vector<basic::Long> indexPieces(std::string_view list, int first);

// Makes data.wayNodeStart and data.wayNodeIndex from data.wayNodes, ways 0..wayCount.
void indexWayNodes(ProjectData& data);

} // namespace osmimport
