#pragma once
// The route as text: the GPX 1.1 document that "Save Route" writes and the KML 2.0 document that
// shows the route in Google Earth. Window-free: route points in, exact bytes out.
//
// Both documents join their lines with CR LF and end without a line break after the last line.
// A coordinate is the single-precision value with at most 7 significant digits, "." as the
// decimal point under any locale, always in plain decimals (a value below 1E-4 is written
// 0.00001234568, never 1.234568E-05, which GPX and KML readers refuse). The route's name, the
// loaded file's path, is written as its own bytes, escaped once, as XML text in UTF-8
// (routes/xmltext.h), so that every XML reader takes the documents whatever the path holds.

#include "basic/numbers.h"

#include <span>
#include <string>
#include <string_view>

namespace routes {

// The coordinate text appended to out.
void appendCoordinate(std::string& out, basic::Single v);

// Points 1..n are lat[0..n-1] and lon[0..n-1] (the shorter span decides n). Every point comes
// twice, as waypoint and as route point, both named "WP0" followed by its number.
std::string gpxText(std::span<const basic::Single> lat, std::span<const basic::Single> lon,
                    std::string_view curFile);

// One placemark per point, then the route as one line string; longitude first, altitude 0.
std::string kmlText(std::span<const basic::Single> lat, std::span<const basic::Single> lon,
                    std::string_view curFile);

} // namespace routes
