#pragma once
// Reading a GPX text into points: waypoints, route points and track points with their
// coordinates, and the names of waypoints and route points. Window-free, one pass over the text,
// no XML parser: it looks for the start tags of the three point elements and takes the first
// name element inside a waypoint or route point.
//
// What a text gets, whatever it holds (never a fault):
// - Tag and attribute names in any letter case; attribute values in double or single quotes,
//   lat and lon in either order. A point needs both; a value is the runtime's numeric prefix of
//   its text (no number gives 0) and must lie within -90..90 (lat) and -180..180 (lon).
// - A start tag cut off by the end of the text (a quote or the ">" missing) ends the reading;
//   the points before it are kept. Comments and CDATA sections between elements are passed over.
// - A waypoint or route point without a name gets the empty name. A name ends at the next "<",
//   its end tag or any other (a name without its end tag loses no later point), or at the end of
//   the text; a CDATA section is taken as it stands up to its "]]>", and one never closed hides
//   the rest of the text. A name is trimmed of blanks, tabs and line breaks, its five XML
//   entities and numeric character references decoded, put in lower case and cut to
//   kGpxNameBytes bytes without splitting a UTF-8 character.
// - Lower case follows the case pairs of the Windows-1252 table, for characters written in UTF-8
//   ("É" C3 89 becomes "é" C3 A9) and for bytes that are not UTF-8 alike; other letters stay.
// - At most kGpxPointLimit points are kept, waypoints first, then route points, then track
//   points; the rest are dropped, and the result says so.

#include "basic/numbers.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace routes {

// The point arrays end at index 10000.
inline constexpr std::size_t kGpxPointLimit = 10000;
inline constexpr std::size_t kGpxNameBytes = 255;

struct GpxPoint {
    basic::Single lat = 0;
    basic::Single lon = 0;
    std::string name; // waypoints and route points only
};

struct GpxPoints {
    // Waypoints, then route points, then track points, each kind in file order.
    std::vector<GpxPoint> points;
    // points[0..namedCount) came from waypoints and route points.
    std::size_t namedCount = 0;
    // The text held more than kGpxPointLimit points.
    bool overLimit = false;
};

GpxPoints readGpx(std::string_view text);

} // namespace routes
