#pragma once
// Start-up of the main window: Form_Load sets the defaults, reads the settings file and builds
// the legend strip and the layout; Form_Activate prepares the map picture on the first
// activation only. cleartxt is the per-file reset every file load runs before new data arrive.

#include <string>

namespace core {

class MapWindow;

// The style codes painted plainly, as characters: 10, 13, 58, 37, 39, 45, 46, 50, 64, 65, 61,
// 52, 68, 70, in this order.
std::string plainIconCodeSet();

void Form_Load(MapWindow& map);
void Form_Activate(MapWindow& map);
void cleartxt(MapWindow& map);

} // namespace core
