#pragma once
// The File menu `mf` (0 "Open OSM", 2 "Open Parsed Files", 4 "Save Screen", 6 "Import GPX",
// 7 "Save Route", 9 "About", 11 "Check for Update", 13 "Print", 15..18 the recent files,
// 20 "Exit") and the toolbar `Image3`, whose pictures 0, 2 and 6 run the entries of the same
// numbers. Every entry does nothing while a file is being drawn or imported. A failing step
// shows the fault's description and the command goes on with the next step.

namespace core {

class MapWindow;

void mf_Click(MapWindow& map, int index);

// Runs mf_Click(index) unless a file is being imported.
void Image3_Click(MapWindow& map, int index);
// The pressed picture shows a border until the button is released.
void Image3_MouseDown(MapWindow& map, int index);
void Image3_MouseUp(MapWindow& map, int index);

// Connects the menu and the toolbar to these handlers.
void connectFileMenu(MapWindow& map);

} // namespace core
