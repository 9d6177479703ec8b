#include "poi/searcharrows.h"

#include "window/mapwindow.h"

#include <string>

namespace poi {

ArrowPoint arrowPoint(const core::MapWindow& map, double x, double y) {
    const platform::ImageControl& model = map.markers.pointr[core::kMarkerTemplate];
    const core::Global& g = map.global;
    return {x * g.viewZoom + g.viewOffX + model.width() / 5,
            y * g.viewZoom + g.viewOffY - model.height() * 1.2};
}

bool placeArrow(core::MapWindow& map, double x, double y, std::string_view tag) {
    core::MapData& d = map.data;
    if (d.pointrCount >= kHighestArrow) return false;
    const int index = d.pointrCount + 1;
    core::ImageArray& arrows = map.markers.pointr;
    platform::ImageControl& arrow = arrows.exists(index) ? arrows[index] : arrows.load(index);
    d.pointrCount = static_cast<basic::Integer>(index);
    const ArrowPoint at = arrowPoint(map, x, y);
    arrow.move(at.x, at.y);
    arrow.setTag(std::string(tag));
    arrow.zorder(0);
    arrow.setVisible(true);
    return true;
}

void bringArrowToTarget(core::MapWindow& map, const ArrowPoint& arrow) {
    constexpr double kTargetX = 4200;
    constexpr double kTargetY = 3300;
    core::Global& g = map.global;
    g.viewOffX = static_cast<float>(g.viewOffX + kTargetX - arrow.x);
    g.viewOffY = static_cast<float>(g.viewOffY + kTargetY - arrow.y);
}

} // namespace poi
