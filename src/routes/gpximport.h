#pragma once
// Importing a GPX file into the shared point list, where the GPX display finds it: waypoints,
// route points and track points with their coordinates, the names of the first two kinds.

#include "routes/gpxtext_read.h"

#include <optional>
#include <string>

namespace core {
class MapWindow;
struct MapData;
} // namespace core

namespace routes {

// The whole GPX file at path, or nullopt after its error was shown. A file far larger than the
// points an import keeps is refused unread.
std::optional<std::string> readGpxFile(const std::string& path);

// Puts read points into the point list: routeLat/routeLon and pointName 1..n (track points get
// the empty name), gpxNamedPoints "#1#2#...#m#" for the m waypoints and route points, gpxCount n
// and gpxImportState 0.
void storeGpxPoints(core::MapData& d, GpxPoints read);

// Reads the file at path whole and stores its points, the File menu greyed meanwhile. The GPX
// markers of the last import are unloaded first, and the route given up is no longer unsaved. A file that cannot be read shows the error's
// description, then "Importing file aborted.", and leaves gpxCount 0; so does a Cancel pressed
// while the file was read. A successful import ends route drawing and, with a map loaded, draws
// the points. A file of more than 10000 points keeps the first 10000 and says so once the import
// has ended. The caller turns the hourglass off.
void importgpx(core::MapWindow& map, const std::string& path);

} // namespace routes
