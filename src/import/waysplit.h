#pragma once
// The way elements of an OSM text, wherever they stand: some writers put ways (or some of them)
// before the nodes, so the ways are not simply what follows the last node.

#include <string_view>
#include <vector>

namespace osmimport {

// The text cut into one piece per "<way " (with the blank), in file order: piece i (1..) runs
// from just after its "<way " up to the next "<way ", "<node", "<relation" or "</osm" (or the
// end of the text). Piece 0 is empty. The last piece is further cut after the "<" of its first
// "</wa", so that it ends as it does when relations or the end of the file follow it. Views
// into text, which must outlive them.
std::vector<std::string_view> splitWays(std::string_view text);

} // namespace osmimport
