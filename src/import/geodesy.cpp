#include "import/geodesy.h"

#include "basic/case.h"

#include <cmath>

namespace osmimport {
namespace {

constexpr double kMilesPerDegree = 60 * 1.1515;
constexpr double kKilometresPerMile = 1.609344;
constexpr double kNauticalPerMile = 0.8684;

} // namespace

double deg2rad(double degrees) {
    return degrees * kPi / 180;
}

double rad2deg(double radians) {
    return radians * 180 / kPi;
}

double Acos(double x) {
    if (x <= -1) return kPi;
    if (x >= 1) return 0;
    return kPi / 2 - std::atan(x / std::sqrt(1 - x * x));
}

double distance(double lat1, double lon1, double lat2, double lon2, std::string_view unit) {
    const double theta = lon1 - lon2;
    // Two almost equal points can give a cosine a rounding step above 1; Acos takes it as 1, so
    // the same point twice gives 0 and never NaN.
    const double c = std::sin(deg2rad(lat1)) * std::sin(deg2rad(lat2)) +
                     std::cos(deg2rad(lat1)) * std::cos(deg2rad(lat2)) * std::cos(deg2rad(theta));
    double d = rad2deg(Acos(c)) * kMilesPerDegree;
    const std::string upper = basic::ucase(unit);
    if (upper == "K") {
        d *= kKilometresPerMile;
    } else if (upper == "N") {
        d *= kNauticalPerMile;
    }
    return d;
}

} // namespace osmimport
