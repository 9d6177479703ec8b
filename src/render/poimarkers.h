#pragma once
// Placing the map marker of one point of interest (`placePoiMarker`). The renderers call it for every
// node record that carries a POI code, after the areas and ways are drawn. One call does
// nothing, prints a label on `p1`, or loads the next element of the marker array of its code,
// centres it on the node, decides whether it is visible (a hidden element still has its icon
// painted, but takes no click), keeps the marker text in its Tag and paints the icon with
// `ploticon`. Markers only accumulate here; `unload_` removes them before the next drawing.

#include <string>
#include <string_view>

namespace core {
class MapWindow;
}

namespace render {

class DrawErrors;

// Markers are placed only in the POI window of p1 (render/drawwindows.h) and from this zoom on.
inline constexpr float kPoiZoom = 1.4f;
// A marker array holds elements up to this index; a kind that reaches it places no more.
inline constexpr int kHighestMarker = 32767;
// At most this many bus stop markers at once (elements 2..201).
inline constexpr int kBusStopCap = 200;

// Places the marker of the node at map point (x, y) with the POI code `code` (three letters,
// "X" and an icon number, "TAG", ...; a "+" as fourth character counts as a blank) and the
// record text `name`. `tip` is the marker text; a "TAG" node with an empty `tip` gets the text
// of `name` after its first "<tag" written into it. A code with no marker, a node outside the
// window or below the zoom, and a kind at its limit place nothing, silently. A fault of a step
// takes the drawing's error path and the next step runs.
// The system's name: plot2.
void placePoiMarker(core::MapWindow& map, double x, double y, std::string_view code, std::string_view name,
           std::string& tip, DrawErrors& errors);

} // namespace render
