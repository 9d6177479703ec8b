#pragma once
// The keys the main window answers while it has the focus: the arrow keys pan the map by 500
// picture units, and four character keys are shortcuts. Nothing happens while a file is being
// drawn or imported.

namespace core {

class MapWindow;

// Arrow keys (37 left, 38 up, 39 right, 40 down) move the view by 500 and redraw; other keys,
// and every key before a file is open, do nothing. The key code is left unchanged.
void Form_KeyDown(MapWindow& map, int& keyCode);

// "q" (113, lower case only) hides the GPX waypoints from the next drawing and unchecks "Show
// Waypoints"; Enter (13) enables "Planning Sheet"; Ctrl+R (18) resets the view and redraws;
// Ctrl+F (6) appends the FIXME report.
// The character is left unchanged.
void Form_KeyPress(MapWindow& map, int& keyAscii);

// Connects both to the main window's form, which sees the keys before its controls.
void connectKeys(MapWindow& map);

} // namespace core
