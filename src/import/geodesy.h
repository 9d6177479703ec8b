#pragma once
// Great-circle distance between two geographic points by the spherical law of cosines, with the
// angle conversions it uses. Pi is written as 3.14159265 throughout, not at full precision, so
// lengths come out exactly as the route panel and the station check have always shown them.

#include <string_view>

namespace osmimport {

inline constexpr double kPi = 3.14159265;

double deg2rad(double degrees);
double rad2deg(double radians);

// The arc cosine of x in radians: 3.14159265 for -1, 0 for 1. A value pushed beyond -1..1 by
// rounding counts as -1 or 1.
double Acos(double x);

// Degrees in, latitude first. Statute miles (60 nautical miles a degree times 1.1515); the unit
// "K" (either case) gives kilometres, "N" nautical miles (0.8684 a mile), anything else miles.
// The same point twice gives 0.
double distance(double lat1, double lon1, double lat2, double lon2, std::string_view unit);

} // namespace osmimport
