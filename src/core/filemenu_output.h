#pragma once
// The File menu commands that write, print or bring in a file beside the map: "Save Screen",
// "Print", "Import GPX" and "Save Route". Each ends, with nothing written, printed or cleared,
// when its dialog is cancelled.

#include <string>

namespace core {

class MapWindow;

// The name "Save Screen" writes to: ".bmp" appended when the lower-cased name holds no ".bmp",
// and once more when the name holds neither ".bmp" nor ".BMP" as typed: "shot" gives
// "shot.bmp", "shot.BMP" stays, "shot.Bmp" gives "shot.Bmp.bmp".
std::string screenFileName(std::string name);

// Writes what the viewport shows of the map as a Windows bitmap file, after the save dialog
// ("Save Screen", "untitled.bmp") and the overwrite question.
void saveScreen(MapWindow& map);

// Prints what the viewport shows of the map, landscape on A4, through the printer dialog.
void printScreen(MapWindow& map);

// Asks for a GPX file, then, with a route on the map, "This will clear route. Do you want to
// continue?" (OK, Cancel); on OK the route and every GPX waypoint marker go. The file is
// imported by its own path, shown tracks and waypoints switched on, and the "GPX" menu enabled.
void importGpx(MapWindow& map);

// Saves the route as GPX after the save dialog ("untitled.gpx") and the overwrite question;
// "No route to save." without one. The route counts as saved only once its file is written.
void saveRoute(MapWindow& map);

} // namespace core
