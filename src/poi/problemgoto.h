#pragma once
// From a problem entry to its place on the map: a double click on an entry of the problem panel
// zooms to the node the entry stands for, puts one arrow `pointr(1)` at it and brings it to the
// picture point (4200, 3300). The arrows are one store shared with the searches: whoever removes
// arrows removes every loaded one.

#include <string_view>

namespace core {
class MapWindow;
}

namespace poi {

// Where an entry leads: the node and the zoom, or node 0 when it leads nowhere.
struct ProblemTarget {
    long long node = 0;
    float zoom = 0;
};

// The target of an entry with key `key` and text `entry`, by the first marker of the key: "#" a
// "?" marker (its node in questList; zoom 5 for an area entry, whose text holds "ARE", else 10),
// "$" a chain arrow (chainList, zoom 9), "*" an empty-tag marker (quotList, zoom 10); marker
// number m stands for piece m - 2 of its list. "^" and "+" give the node itself (zoom 10) when
// their source list (amenityList or else fixmeList, otherNodesList) is not empty.
ProblemTarget problemTarget(const core::MapWindow& map, std::string_view key, std::string_view entry);

// Goes to the entry chosen in List4 (its key in List5). A "Platf" entry switches the stations
// on; a "^", "+" or unmarked key shows the places of worship and ends "Hide". An entry that leads
// to no node of the map changes nothing else. Nothing while the program is busy.
void List4_DblClick(core::MapWindow& map);

// Shows the chosen entry whole in the detail box Text1.
void List4_MouseDown(core::MapWindow& map);

// "Clear Markers": every arrow is unloaded, pointrCount 0, pointrList "#". The map is not drawn.
void Command3_Click(core::MapWindow& map);

// A click on an arrow removes every arrow, behind the still copy of the map, which is then hidden.
void pointr_MouseDown(core::MapWindow& map);

} // namespace poi
