#pragma once
// Placing the search arrows `pointr`: one arrow per hit, loaded as the next element after
// pointrCount, its tip (the lower left of the picture) on the hit. The arrows are one store
// shared with the problem navigation; removing them is `Command3_Click` (poi/problemgoto.h).

#include <string_view>

namespace core {
class MapWindow;
}

namespace poi {

// An arrow array holds elements up to this index; a search places no arrow beyond it.
inline constexpr int kHighestArrow = 32767;

struct ArrowPoint {
    double x = 0;
    double y = 0;
};

// Where the arrow of map point (x, y) goes on p1 at the current view: its left
// x * viewZoom + viewOffX + W / 5 and its top y * viewZoom + viewOffY - 1.2 * H, with W and H the
// size of the template pointr(0).
ArrowPoint arrowPoint(const core::MapWindow& map, double x, double y);

// Brings the map point whose arrow stands at `arrow` to the picture point (4200, 3300), 200 right
// of the zoom centre, by moving the view's offsets.
void bringArrowToTarget(core::MapWindow& map, const ArrowPoint& arrow);

// Loads the next arrow (pointrCount + 1) at map point (x, y) with `tag` as its Tag, in front and
// visible, and counts it. False, with nothing changed, once kHighestArrow arrows are loaded.
bool placeArrow(core::MapWindow& map, double x, double y, std::string_view tag = {});

} // namespace poi
