#pragma once
// Saving the route: GPX when the user saves it, KML (the file temp.kml in the data folder) when
// the route is to be shown in Google Earth, which is then asked to open that file through
// platform::desktop().

#include "basic/numbers.h"

#include <string>

namespace core {
class MapWindow;
}

namespace routes {

inline constexpr basic::Integer kGpxKind = 0;
inline constexpr basic::Integer kKmlKind = 1;

// Writes points 1..routeCount to path as GPX (kind 0) or KML (kind 1; any other kind is GPX),
// the route named by curFile. -1 when the file was written. 0 when the route has no points
// ("Draw a route first." shown, nothing written) or when the write failed (Savetext's message
// shown), so that a caller never takes a route for saved that is not on disk.
basic::Integer savegpx(core::MapWindow& map, const std::string& path, basic::Integer kind);

// Writes text and one CR LF to file, replacing it; the file is there whole or not at all. Pending
// window events run first. A failure shows file & " " & the error's description and gives false.
bool Savetext(const std::string& file, std::string text);

} // namespace routes
