#pragma once
// Removing the search hits of the previous file before another one is opened.

namespace core {
class MapWindow;
}

namespace poi {

// Unloads every search arrow `pointr` (each is listed in `pointrList`: the node hits and, after
// "$", the label hits alike), so that no arrow of the old file stays on the map; then
// `pointrList` = "#", `pointrCount` = 0 and both result lists List3(0) and List3(1) are cleared.
void unloadpois(core::MapWindow& map);

} // namespace poi
