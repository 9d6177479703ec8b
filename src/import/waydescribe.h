#pragma once
// The text that describes a way in its problem markers: its tags, its node count, and warnings
// about references missing from the file and nodes that come back within the line.

#include <string>
#include <string_view>

namespace osmimport {

inline constexpr std::string_view kLacksReference = "At least one node lacks reference (in downloaded file).";

// `fntag`: a text without "<nd " comes back unchanged. Otherwise the text from its first key
// on (eight characters after its first "<tag"; nothing when it has none), CR LF, the number of
// "ref=" and " nodes.", "  Area needs at least 3 nodes." below three; then, when a reference
// of the way was not found (allRefsFound false), the referenced ids and the lacking-reference
// warning, else, when an id comes twice, the ids and the loop-back warning naming the first
// such id. The ids stand between blanks, each cut at its first "/".
std::string fntag(std::string_view text, bool allRefsFound, char quote);

} // namespace osmimport
