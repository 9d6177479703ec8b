#pragma once
// The scroll bars place the map picture `p1` inside its container `Picture1`: `hs` its left
// edge, `VS` its top edge. They do not redraw; their ranges come from the layout and the view
// reset.

namespace core {

class MapWindow;

// The left edge of p1 becomes -(hs value); also while the thumb is dragged.
void hs_Change(MapWindow& map);
// The top edge of p1 becomes 100 - (VS value); also while the thumb is dragged.
void VS_Change(MapWindow& map);

// Connects both handlers to the Change and Scroll events of `hs` and `VS`.
void connectScrollBars(MapWindow& map);

} // namespace core
