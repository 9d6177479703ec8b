#pragma once
// The still copy of the map: the preview picture `p2`, which covers the viewport, shows what the
// viewport `Picture1` shows of the map picture `p1` while p1 is drawn anew underneath, or while
// a drag moves the map.

namespace core {
class MapWindow;
}

namespace render {

// Paints into the whole of p2 the part of p1 that Picture1 shows, taken `shiftX` and `shiftY`
// p1 units further right and down (a drag's displacement; 0 and 0 for what is on screen).
// Wherever the scroll bars put p1, this is the region the user sees; where the region reaches
// past p1's edge, p2 keeps its own background.
void paintShownMap(core::MapWindow& map, double shiftX, double shiftY);

// Freezes the map for the redraw that follows: p2 is hidden, made persistent and cleared, gets
// the map as shown, stops being persistent and is shown. A failing paint shows its fault's
// description and p2 is still shown.
void snap(core::MapWindow& map);

// The still copy goes once the map is drawn anew: p2 is hidden and cleared.
void hideSnap(core::MapWindow& map);

// Draws the map anew behind the still copy of what is on screen, under the hourglass.
void redrawBehindSnap(core::MapWindow& map);

} // namespace render
