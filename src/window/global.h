#pragma once
// The program-wide state (the module `global`): settings that persist in the settings file,
// folders, the current file names and the counters every subsystem reads. One instance lives in
// the main window for the whole run; tests make their own.

#include "basic/colour.h"
#include "basic/numbers.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace core {

using basic::Double;
using basic::Integer;
using basic::Long;
using basic::Single;

inline constexpr Single kProgVersion = 1.971f;

// The entries of Settings::fontNames, as the Preferences dialog and the settings file order them.
inline constexpr std::size_t kStreetFont = 0; // the street names along their ways
inline constexpr std::size_t kPlaceFont = 1;  // the place names
inline constexpr std::size_t kLabelFont = 2;  // the area labels

// What the settings file carries, with the values start-up sets before reading it.
struct Settings {
    std::array<std::string, 9> folderPaths; // slot 4: GPX folder, slot 5: OSM folder
    Integer legendTab = 1;
    std::array<std::string, 3> fontNames; // by kStreetFont, kPlaceFont and kLabelFont
    Integer maxGreenNodes = 50;
    Integer poiMode = 1; // 1: all POI categories shown
    bool zoomLeft = true;
    Integer streetNames = 1;
    Single speedMph = 3.3f;
    Double backColour = basic::rgb(241, 238, 232);
    Integer labelFontSize = 7;
    Integer patternFill = 1; // 1: area patterns drawn
    bool fontSizeChanged = false;
};

struct Global {
    Settings settings;
    // The four recent-file captions of the File menu, most recent first.
    std::array<std::string, 4> recentFiles;

    Single progVersion = 0; // set at the end of start-up
    Single fileVersion = 0; // the stamp last read from or written to a text file; never tested

    std::string appPath;      // the program folder
    std::string dataFolder;   // appPath & "/files"
    std::string settingsPath; // appPath & "/img.dat"
    std::string curFile;      // the opened OSM or project file
    std::string parsedPath;   // the project file the map is drawn from
    std::string webPagePath;  // dataFolder & "/googmap.html" once the web-map page was written
    // The project file (path, size and time of writing) whose drawing has shown its fault
    // message: a damaged file says so once, not on every pan and zoom.
    std::string faultShownFor;
    char quoteChar = '"';

    Integer penMode = 13;
    bool cancelRequested = false;
    bool reloadTrailer = false;

    // The view transform: picture = viewZoom * map + offset; the picture point (4000, 3300) is
    // the fixed point of zooming.
    Single viewZoom = 0;
    Single viewOffX = 0;
    Single viewOffY = 0;
    Single homeOffX = 0; // offsets saved by the wheel step before it shifts them
    Single homeOffY = 0;
    Single pressX = 0; // picture position of the last press on the map
    Single pressY = 0;

    Double loadStart = 0; // a monotonic reading in seconds at the start of a load

    // Shown flags of the GPX track and waypoints ("Show Tracks", "Show Waypoints").
    bool showTracks = false;
    bool showWaypoints = false;
    // 0 no author labels, -1 author labels, -2 dates only.
    Integer authorOverlay = 0;
};

// The program-wide line break text.
inline constexpr std::string_view crlf = "\r\n";

} // namespace core
