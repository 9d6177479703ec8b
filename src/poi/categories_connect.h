#pragma once
// The handlers of the legend strip and of the POI icons on the map: a legend button toggles its
// category, a click on an icon shows its bubble, "Show"/"Hide" and the View menu switch all POIs,
// a click on the bubble hides it and a click on a search arrow removes the arrows.

namespace core {
class MapWindow;
}

namespace poi {

void connectCategoryHandlers(core::MapWindow& map);

} // namespace poi
