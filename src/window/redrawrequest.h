#pragma once
// The one call that redraws the map. Every change of view or display asks for a drawing through
// it, from the drawing's own option handlers up to the menus; what it runs is the wiring's
// drawing in order (core/mapredraw.h): the reload, the category cells and problem counts of a
// newly read file where they must come, the markers. The wiring sets it when it builds the main
// window; until then the call does nothing.

namespace core {

class MapWindow;

void redrawMap(MapWindow& map);

using MapRedraw = void (*)(MapWindow& map);
void setMapRedraw(MapRedraw redraw);

} // namespace core
