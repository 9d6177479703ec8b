#pragma once
// The problem markers on the map: "?" markers `quest` (areas and highways the map does not show),
// empty-tag markers `quot`, chain arrows `chain` at broken highway links and node markers
// `shape1`. Elements from 2 on are the markers; the reload gives each its problem text as Tag.
// The redraw places them with the `place...` procedures, in the order empty tags, "?" markers,
// chain arrows; a click explains a marker (poi/problemadvice.h).

namespace core {
class MapWindow;
}

namespace render {

class DrawErrors;

// Each empty-tag marker k + 2 of quotList's entry k: moved so that its lower right corner lies
// 0.4 of its height below the node's screen point, shown and painted (style 122). A marker that
// is not loaded takes the drawing's error path and the next one is placed.
void placeEmptyTagMarkers(core::MapWindow& map, DrawErrors& errors);

// Each "?" marker 2..questCount at its entry of questList: centred above the node's screen point
// and shown; a marker whose Tag holds "AREA" shows the area picture `que` and counts in
// questAreaCount. Painted through its mask.
void placeQuestMarkers(core::MapWindow& map, DrawErrors& errors);

// Each chain arrow k + 2 of chainList's entry k: its lower right corner on the node's screen
// point, shown, painted through its mask, counted in chainExtraCount. Every arrow placed becomes
// the entry "k + 2", "$" and its text (on one line) of unjoinedWayList, so that "Highways not
// joined" lists what its count counts and leads to the arrow's node.
void placeChainMarkers(core::MapWindow& map, DrawErrors& errors);

// The three placements in the redraw's order.
void placeProblemMarkers(core::MapWindow& map, DrawErrors& errors);

} // namespace render
