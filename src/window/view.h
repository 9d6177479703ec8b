#pragma once
// The view transform: geographic degrees to map units (fixed per loaded file by its origin and
// scale), map units to the picture `p1` (the view's zoom and offsets), and picture back to
// degrees. Map units put the data's west edge at X = 3000 and its north edge at Y = 2500, Y
// growing southwards; the picture point (4000, 3300) is the fixed point of every zoom.
//
// North and south of the equator use the same stretch, taken from the origin's absolute
// latitude, in both directions, so a point clicked on the map is drawn back where it was clicked.

#include "basic/numbers.h"
#include "import/projectdata.h"

#include <optional>

namespace core {

struct Global;

inline constexpr double kZoomCentreX = 4000;
inline constexpr double kZoomCentreY = 3300;
inline constexpr double kWestEdgeX = 3000;
inline constexpr double kNorthEdgeY = 2500;

// 1 + |mapLat0| / 100 in single precision: 1.515 for 51.5, 1.339 for -33.9, 1.9 for +-90. A
// linear stretch, never 0.
basic::Single latitudeStretch(basic::Single mapLat0);

// Degrees to map units, in double precision.
double mapX(const osmimport::ProjectData& file, double lon);
double mapY(const osmimport::ProjectData& file, double lat);

// Map units to the picture, in single precision.
basic::Single pictureX(const Global& g, double mapX);
basic::Single pictureY(const Global& g, double mapY);

struct PicturePoint {
    basic::Single x;
    basic::Single y;
};

// Node n of the file on the picture, each coordinate rounded to single precision; none for an
// index outside 1..nodeCount (marker lists of a damaged project file may name such nodes, and
// node 0 is no node): the marker layers pass those entries over.
std::optional<PicturePoint> nodePicturePoint(const Global& g, const osmimport::ProjectData& file, double n);

struct LonLat {
    basic::Single lon;
    basic::Single lat;
};

// A picture point back to degrees, each division by the zoom done apart. Nothing while the view
// has no zoom or the file no scale (before the first file is opened).
std::optional<LonLat> pictureToLonLat(const Global& g, const osmimport::ProjectData& file, double x,
                                      double y);

// The offsets after the zoom changed from `before` to `after`, keeping the map point under the
// zoom centre in place. From a zoom of 0 (no view yet) the offsets stay.
void zoomAboutCentre(Global& g, basic::Single before, basic::Single after);

} // namespace core
