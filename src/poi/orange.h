#pragma once
// The orange marking of unnamed POIs. Every unnamed POI has a marker `nonn` on the map; the
// redraw paints the orange icon at marker p when character p of `noNameFlags` is not "0". The
// digit is "1" while the POI's category is shown and "0" while it is hidden. `setorange` records,
// per category, which marker positions its icons carry, so that a category toggle flips exactly
// those digits with `changeorang`.
//
// The lists follow the category numbering of the legend cells and their buttons (cafes 19,
// restaurants 20, addresses 21, stations 22), so that a toggle flips its own category's markers.

#include <array>
#include <string>
#include <string_view>

namespace core {
class MapWindow;
}

namespace poi {

// One list per category 0..23: "#" alone, or "#" followed by each marker position and "#".
inline constexpr int kNoNameLists = 24;
using NoNameLists = std::array<std::string, kNoNameLists>;

// The per-category lists of the window's unnamed markers (`catNoNameList`), as the last
// `setorange` left them.
NoNameLists& catNoNameList(core::MapWindow& map);

// Every digit of noNameFlags (nonnCount of them) and of amenFlags (amenFlagLen) becomes the first
// digit of |m|: 1 all marked, 0 none.
void resety_n(core::MapWindow& map, double m);

// Writes "1" (catShown(c) set) or "0" into noNameFlags at every position listed for category c.
// A position outside the flags text is passed over; a category outside 0..23 does nothing.
void changeorang(core::MapWindow& map, int c);

// The marker position a map icon's Tag carries, followed by "#", or the empty text: the text
// before the first "$" when it starts with a number other than 0, else the run of digits that
// ends it (as in "Name7$..."), when that run is above 0.
std::string markerPosition(std::string_view tag); // the system's name: ora

// Rebuilds the lists from the icons loaded on the map (and sets the visibility of the icons of
// touristic, shop, supermarket, historic, pharmacy, cafe, bank and station markers from their
// categories' flags). Called after every count refresh.
void setorange(core::MapWindow& map);

} // namespace poi
