#pragma once
// The settings file img.dat: 34 lines, one value per line, CR LF after each. Numbers are in the
// print form with one trailing blank (" 50 ", "-1 ", " 3.3 "), flags as -1 and 0, texts bare.
//
// Reading takes each text line whole, so a comma in a folder path or a recent-file name
// ("Paris, France.osm") shifts nothing, and a number from the first value of its line. A line
// that is missing (a short file) or whose value is no number of its type keeps the value it had;
// the corrections of the later lines still apply. Nothing is reported. Writing puts the file
// there whole or not at all.

#include "window/global.h"

#include <string>
#include <string_view>

namespace core {
class MapWindow;
}

namespace prefs {

// Reads the lines into g and applies the corrections: `legendTab` outside 0..3 becomes 1,
// `maxGreenNodes` below 1 becomes 1, `streetNames` becomes 0 (street names always start off),
// `speedMph` below 1 becomes 3.3, a `backColour` of 0 becomes RGB(241,238,232), `labelFontSize`
// below 6 becomes 6, a `patternFill` other than 0 and 1 becomes 1. Line 1 goes to `fileVersion`;
// lines 2, 3 and 29..34 are passed over.
void readSettings(std::string_view bytes, core::Global& g);

// The 34 lines: `progVersion` first, the recent-file lines from `recentFiles`, the value of
// `zoomLeft` in lines 23 and 29..34. A text is written up to its first line break, which the
// file could not hold.
std::string settingsBytes(const core::Global& g);

// Sets `fileVersion` to `progVersion` and writes the file; a failure raises the runtime's file
// fault and leaves the file that was there as it was.
void saveSettings(const std::string& path, core::Global& g);

// The main window's procedures. loadSettingsIntoWindow reads the file at path (a missing or unreadable one
// counts as empty), then clears `Check1`, gives `p1`, `p2` and `Picture1` the background
// colour and the recent-file entries mf(15..18) their captions. saveSettingsFromWindow takes the recent-file
// captions from the menu and writes the file; a failure shows the error's text in a message box.
// The system's name: procload.
void loadSettingsIntoWindow(core::MapWindow& map, const std::string& path);
// The system's name: procsave.
void saveSettingsFromWindow(core::MapWindow& map, const std::string& path);

} // namespace prefs
