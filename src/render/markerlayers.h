#pragma once
// The point layers the redraw puts on the map picture `p1` after the lines and names: the
// markers of unnamed POIs, the POI icons of the node records, the search arrows, the imported
// GPX points or the user's route, and the arrow heads of one-way streets. The problem markers
// are render/problemmarkers.h. Each layer takes the drawing's error path for its faults.

namespace core {
class MapWindow;
}

namespace render {

class DrawErrors;

// Loads nonn(k + 1) centred on each node of noNameList (k = 0 .. nonnCount - 1) and paints the
// orange icon there (style 117) while the marker's digit in noNameFlags is not "0". Nothing for
// an empty list or a count not above 0; a marker without a digit gets no orange icon.
void placeUnnamedMarkers(core::MapWindow& map, DrawErrors& errors);

// placePoiMarker for every node record 0..nodeCount whose nodeInfo is not empty: code = its first three
// characters, name = the rest, tip = the node's nodeName. Pending input is let through while it
// runs; a Cancel ends this loop only.
void placePoiMarkers(core::MapWindow& map, DrawErrors& errors);

// The arrows pointr(1..N) of the search hits in pointrList, beside their nodes (pieces before
// "$") and then beside their area labels (pieces after "$", label m at item m - 1 of List2(0)
// and List2(1) under the current view), the orange icon under a node hit that is an unnamed POI.
// An empty piece, or a node outside 1..nodeCount, is no arrow; an arrow that is not loaded, or a
// label the lists do not hold, takes the error path.
void placeSearchArrows(core::MapWindow& map, DrawErrors& errors);

// The arrow heads of onewayArrowList ("node#radians" entries joined by "$") when the list has an
// entry and fileSizeMB x 1.5 < viewZoom: at each node two barbs of 15 units at +-45 degrees and a
// shaft of 30 units, trailing against the way's direction, width 2 in QBColor(3).
void drawOnewayArrows(core::MapWindow& map, DrawErrors& errors);

} // namespace render
