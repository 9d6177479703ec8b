#pragma once
// The problem markers on the map: "?" markers `quest` (areas and highways the map does not show),
// empty-tag markers `quot`, chain arrows `chain` at broken highway links and node markers
// `shape1`. Elements from 2 on are the markers; the reload gives each its problem text as Tag.
// The redraw places them with the `place...` procedures, in the order empty tags, "?" markers,
// chain arrows; a click explains a marker in a message box.

#include <string>
#include <string_view>

namespace core {
class MapWindow;
}

namespace render {
class DrawErrors;
}

namespace poi {

// Each empty-tag marker k + 2 of quotList's entry k: moved so that its lower right corner lies
// 0.4 of its height below the node's screen point, shown and painted (style 122). A marker that
// is not loaded takes the drawing's error path and the next one is placed.
void placeEmptyTagMarkers(core::MapWindow& map, render::DrawErrors& errors);

// Each "?" marker 2..questCount at its entry of questList: centred above the node's screen point
// and shown; a marker whose Tag holds "AREA" shows the area picture `que` and counts in
// questAreaCount. Painted through its mask.
void placeQuestMarkers(core::MapWindow& map, render::DrawErrors& errors);

// Each chain arrow k + 2 of chainList's entry k: its lower right corner on the node's screen
// point, shown, painted through its mask, counted in chainExtraCount. Every arrow placed becomes
// the entry "k + 2", "$" and its text (on one line) of unjoinedWayList, so that "Highways not
// joined" lists what its count counts and leads to the arrow's node.
void placeChainMarkers(core::MapWindow& map, render::DrawErrors& errors);

// The three placements in the redraw's order.
void placeProblemMarkers(core::MapWindow& map, render::DrawErrors& errors);

// The explanation of a "?" marker whose Tag is `tag`, with the advice its keywords call for;
// `quoteChar` is removed from it.
std::string questAdvice(std::string_view tag, char quoteChar);
// The explanation of an empty-tag marker.
std::string emptyTagAdvice(std::string_view tag);
// The tags of a node marker: the Tag up to "</nod" (all of it when there is none), stripped of
// the XML syntax.
std::string nodeMarkerText(std::string_view tag, char quoteChar);

// Click handlers of the marker arrays; element 1 (0 and 1 for quot, below 2 for chain) is the
// problem button and opens its list.
void quest_Click(core::MapWindow& map, int index);
void quot_MouseDown(core::MapWindow& map, int index);
void chain_Click(core::MapWindow& map, int index);
void shape1_MouseDown(core::MapWindow& map, int index);

// Adds one chain arrow during an import: numb(31) shows the arrows so far, the next element is
// loaded (hidden) with its lower right corner on the map point (x, y) and gets `text` as Tag.
void getchain(core::MapWindow& map, double x, double y, std::string_view text);

} // namespace poi
