#pragma once
// The map style, chosen in the Map menu: 0 "Show Errors", 1 "Hide Errors", 2 "Planning Sheet".
// The redraw reads it as mapMode.

namespace core {
class MapWindow;
}

namespace render {

// Sets mapMode to `index`, checks only that item of mn, and draws the map anew on the
// background colour while the still copy keeps the last picture in front. Nothing while a file
// is imported.
void mn_Click(core::MapWindow& map, int index);

// Connects mn_Click to the style items of the Map menu.
void connectMapStyle(core::MapWindow& map);

} // namespace render
