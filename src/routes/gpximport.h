#pragma once
// Importing a GPX file into the shared point list, where the GPX display finds it: waypoints,
// route points and track points with their coordinates, the names of the first two kinds.

#include "routes/gpxtext_read.h"

#include <string>

namespace core {
class MapWindow;
struct MapData;
} // namespace core

namespace routes {

// Puts read points into the point list: routeLat/routeLon 1..n, pointName of each point up to
// index 2000 (track points get the empty name), gpxNamedPoints "#1#2#...#m#" for the m waypoints
// and route points, gpxCount n and gpxImportState 0.
void storeGpxPoints(core::MapData& d, GpxPoints read);

// Reads the file at path whole and stores its points, the File menu greyed meanwhile. The GPX
// markers of the last import are unloaded first. A file that cannot be read shows the error's
// description, then "Importing file aborted.", and leaves gpxCount 0; so does a Cancel pressed
// while the file was read. With a map loaded the points are marked for the display
// (trackDirty). The caller turns the hourglass off.
void importgpx(core::MapWindow& map, const std::string& path);

} // namespace routes
