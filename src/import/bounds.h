#pragma once
// The extent of an OSM file and what follows from it for the whole import: the origin of the
// map, the scale, the latitude stretch, the progress rate and the node limit.

#include "basic/numbers.h"

#include <optional>
#include <string_view>

namespace osmimport {

using basic::Long;
using basic::Single;

inline constexpr Long kNodeLimit = 100000;
// The scale of every file whose extent comes in the "<bound box" form.
inline constexpr Long kBoxFormScale = 4800;

inline constexpr std::string_view kNoBoundsMessage = "Can't find 'boundaries'";
inline constexpr std::string_view kNoAuthorshipMessage = "This file contains no authorship details.";
inline constexpr std::string_view kNodeLimitMessage =
    "File contains more than 100000 nodes. Program could become unstable.";

enum class BoundsForm {
    None,     // neither "<bounds" nor "<bound": the import stops
    Bounds,   // <bounds minlat= minlon= maxlat= maxlon=/>
    BoundBox, // <bound box="lat,lon,lat,lon" .../>, which carries no authorship details
};

struct Bounds {
    BoundsForm form = BoundsForm::None;
    Single mapLat0 = 0;
    Single mapLon0 = 0;
    // None when the extent gives no scale (an east edge equal to the west edge, or a scale
    // beyond 32 bits): the import then keeps the scale it had.
    std::optional<Long> mapScale;
};

// The greatest latitude and longitude there are, in degrees.
inline constexpr double kMostLatitude = 90;
inline constexpr double kMostLongitude = 180;

// The number value of a latitude or longitude text: a value that is not a finite number within
// -most..most (a garbled digit can make 1E+200 of it) reads as a missing one does, as 0.
double degreesValue(std::string_view text, double most);

// The bounds in the file header (the text before the first "<node"). The "<bounds" form gives
// the north edge maxlat, the west edge minlon and the scale scaleWidth / |maxlon - minlon| / 4,
// rounded halves to even; minlat is not read. The "<bound" form takes the first two numbers
// after "box=" and its quote as latitude and longitude (the third number when the first is 0)
// and the fixed scale 4800. A value that is missing, or that is no latitude or longitude
// (degreesValue), reads as 0.
Bounds readBounds(std::string_view header, char quote, double scaleWidth);

// 1 + |mapLat0| / 100 as a Single: 1.515 for 51.5 and 1.339 for -33.9.
Single latStretch(Single mapLat0);

// Estimated seconds per 1000 nodes for the progress frame.
Single loadRate(Long nodeCount);

} // namespace osmimport
