#pragma once
// File names as the system shows and derives them.

#include <string>
#include <string_view>

namespace osmimport {

// The file title of a path: every "/" is read as "\", the part after the last "\" is taken and
// its last four characters (the extension with its point) are dropped: "C:/maps/leeds.osm"
// gives "leeds", ".osm" gives "". A name shorter than four characters has no extension to drop
// and comes back whole.
std::string ftrim(std::string_view path);

} // namespace osmimport
