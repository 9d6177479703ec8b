#include "window/view.h"

#include "window/global.h"

#include <algorithm>
#include <cmath>

namespace core {

basic::Single latitudeStretch(basic::Single mapLat0) {
    return basic::csng(1 + std::fabs(double(mapLat0)) / 100);
}

double mapX(const osmimport::ProjectData& file, double lon) {
    return (lon - file.mapLon0) * file.mapScale + kWestEdgeX;
}

double mapY(const osmimport::ProjectData& file, double lat) {
    return kNorthEdgeY - (lat - file.mapLat0) * file.mapScale * latitudeStretch(file.mapLat0);
}

basic::Single pictureX(const Global& g, double mapX) {
    return basic::csng(g.viewZoom * mapX + g.viewOffX);
}

basic::Single pictureY(const Global& g, double mapY) {
    return basic::csng(g.viewZoom * mapY + g.viewOffY);
}

std::optional<PicturePoint> nodePicturePoint(const Global& g, const osmimport::ProjectData& file, double n) {
    const double held =
        static_cast<double>(std::min({static_cast<std::size_t>(std::max<basic::Long>(file.nodeCount, 0)) + 1,
                                      file.nodeX.size(), file.nodeY.size()}));
    if (!(n >= 1 && n < held)) return std::nullopt;
    const auto i = static_cast<std::size_t>(n);
    return PicturePoint{static_cast<basic::Single>(g.viewZoom * file.nodeX[i] + g.viewOffX),
                        static_cast<basic::Single>(g.viewZoom * file.nodeY[i] + g.viewOffY)};
}

std::optional<LonLat> pictureToLonLat(const Global& g, const osmimport::ProjectData& file, double x,
                                      double y) {
    if (g.viewZoom == 0 || file.mapScale == 0) return std::nullopt;
    const double zoom = g.viewZoom;
    const double lon = file.mapLon0 + (x / zoom - kWestEdgeX - g.viewOffX / zoom) / file.mapScale;
    const double lat = file.mapLat0 + (kNorthEdgeY - y / zoom + g.viewOffY / zoom) /
                                          (double(file.mapScale) * latitudeStretch(file.mapLat0));
    return LonLat{basic::csng(lon), basic::csng(lat)};
}

void zoomAboutCentre(Global& g, basic::Single before, basic::Single after) {
    if (before == 0) return;
    g.viewOffX = basic::csng(kZoomCentreX - (kZoomCentreX - g.viewOffX) / before * after);
    g.viewOffY = basic::csng(kZoomCentreY - (kZoomCentreY - g.viewOffY) / before * after);
}

} // namespace core
