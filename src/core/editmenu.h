#pragma once
// The Edit menu `med`: 0 "Preferences" opens the Preferences window modally and, once it is
// closed, brings the main window up to date: the zoom buttons go to the chosen side, the
// settings file is written, and the map is drawn anew behind the still copy when the label
// font size or the background colour changed. Nothing while a file is being imported.

namespace prefs {
class Preferences;
}

namespace core {

class MapWindow;

void med_Click(MapWindow& map, int index);

// Shows `dialog` modally, then brings the main window up to date as med_Click does.
void runPreferences(MapWindow& map, prefs::Preferences& dialog);

// Connects the menu to med_Click.
void connectEditMenu(MapWindow& map);

} // namespace core
